#pragma once

#include <QDomDocument>
#include <QString>

#include <stdexcept>

// A content document that cannot be read: missing, not well-formed, or with a
// value that is not what its field needs. The message is for the loading log.
class ContentError : public std::runtime_error {
public:
    explicit ContentError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};

namespace XmlReading {

// Loads and parses an XML file; throws ContentError when it is missing or not well-formed.
QDomDocument Load(const QString& path);

// Decimal integer of a text: surrounding blanks are ignored, an optional sign
// is allowed, anything else throws ContentError. With `emptyIsZero` an empty
// text reads 0, otherwise it throws too.
int ToInt(const QString& text, bool emptyIsZero);

// Integer text of the first child element `name` of `parent` (missing reads as empty).
int ChildInt(const QDomElement& parent, const QString& name, bool emptyIsZero);

// Text of the first child element `name` whose attribute "id" equals `language`;
// empty when none does. An "id" that is not a number, met before the match, throws.
QString TextForLanguage(const QDomElement& parent, const QString& name, int language);

} // namespace XmlReading
