#pragma once

#include <QDomElement>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The exercise families: each reads its own body from the common layout.
enum class ExerciseFamily {
    Unknown,
    Pairs,
    Dialogues,
    GapTyping,
    Tests,
    TrueFalse,
    Presentation,
    SentenceGaps,
    ReadingText,
    Vocabulary,
};

// The family of an exercise type ("typ_cw"); Unknown for types no screen shows.
ExerciseFamily FamilyOfType(int typCw);

// A read-only view of one element of an exercise document. Integers are read
// strictly: a missing or non-numeric value throws ContentError, so the screen
// reports its load message; a missing text element reads as empty text.
class ExerciseNode {
public:
    ExerciseNode() = default;
    explicit ExerciseNode(const QDomElement& element) : element_(element) {}

    bool IsNull() const { return element_.isNull(); }
    QString Tag() const { return element_.tagName(); }
    // The text of the element itself (for an element with children, the text of all descendants).
    QString Text() const { return element_.text(); }

    // The first child element of that name (a null node when there is none).
    ExerciseNode Child(const QString& name) const;
    // Text of the first child of that name; empty when it is missing.
    QString ChildText(const QString& name) const;
    // Integer of the first child of that name; throws when missing or not a number.
    int ChildInt(const QString& name) const;
    // Every child of that name, in document order.
    std::vector<ExerciseNode> Children(const QString& name) const;
    int Count(const QString& name) const;
    ExerciseNode At(const QString& name, int index) const;

    QString Attribute(const QString& name) const { return element_.attribute(name); }
    bool HasAttribute(const QString& name) const { return element_.hasAttribute(name); }
    // Integer attribute; throws when missing or not a number.
    int IntAttribute(const QString& name) const;

    // Among the children of that name, the text of the one whose "id" equals
    // the language code; empty when none does.
    QString LanguageText(const QString& name, int languageCode) const;

private:
    QDomElement element_;
};

// The header of an exercise document ("config").
struct ExerciseHeader {
    int Id = 0;
    QString Multimedia;
    int Grupa = 0;
    int Poziom = 0;
    int TypCw = 0;
    int Param1 = 0;
    int Param2 = 0;
    ExerciseNode Config;

    QString Name(int namesLanguage) const { return Config.LanguageText(QStringLiteral("nazwa"), namesLanguage); }
};

// One exercise document, opened from a full path. Nothing is ever written back.
class ExerciseDocument {
public:
    // Parses the file; throws ContentError when it cannot be read, is not
    // well-formed, or its root is not "cwiczenie".
    static ExerciseDocument Open(const QString& path);

    const ExerciseHeader& Header() const { return header_; }
    ExerciseNode Config() const { return header_.Config; }
    ExerciseNode Body() const { return body_; }
    ExerciseFamily Family() const { return FamilyOfType(header_.TypCw); }

    // The raw instruction in the language code: the body's "polecenie", or in
    // the dialogue and vocabulary families the "polecenie" of the
    // "polecenia/typ" whose id is the screen mode.
    QString RawInstruction(int languageCode, int mode = 0) const;
    // The same passed through the instruction-text rule.
    QString Instruction(int languageCode, int mode = 0) const;

private:
    QDomDocument document_;
    ExerciseHeader header_;
    ExerciseNode body_;
};

// The instruction-text rule: the part before the first "~", a line feed and a
// carriage return, then the part up to the second "~"; later text is dropped.
// A text without "~" is returned unchanged.
QString InstructionText(const QString& raw);

// Removes leading and trailing characters with codes below 33.
QString TrimText(const QString& text);
