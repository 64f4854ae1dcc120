#include "ExerciseDocument.h"

#include "course/XmlReading.h"

ExerciseFamily FamilyOfType(int typCw)
{
    switch (typCw) {
    case 2:
    case 7: return ExerciseFamily::Pairs;
    case 3:
    case 56: return ExerciseFamily::Tests;
    case 4:
    case 33: return ExerciseFamily::GapTyping;
    case 5: return ExerciseFamily::SentenceGaps;
    case 11:
    case 14:
    case 18:
    case 26: return ExerciseFamily::Dialogues;
    case 31: return ExerciseFamily::TrueFalse;
    case 41:
    case 42:
    case 44:
    case 48: return ExerciseFamily::Presentation;
    case 51:
    case 54: return ExerciseFamily::ReadingText;
    case 53:
    case 55:
    case 61:
    case 62:
    case 64:
    case 68: return ExerciseFamily::Vocabulary;
    default: return ExerciseFamily::Unknown;
    }
}

ExerciseNode ExerciseNode::Child(const QString& name) const
{
    return ExerciseNode(element_.firstChildElement(name));
}

QString ExerciseNode::ChildText(const QString& name) const
{
    return element_.firstChildElement(name).text();
}

int ExerciseNode::ChildInt(const QString& name) const
{
    const QDomElement child = element_.firstChildElement(name);
    if (child.isNull())
        throw ContentError(QStringLiteral("missing integer element '%1'").arg(name));
    return XmlReading::ToInt(child.text(), false);
}

std::vector<ExerciseNode> ExerciseNode::Children(const QString& name) const
{
    std::vector<ExerciseNode> nodes;
    for (QDomElement e = element_.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name))
        nodes.emplace_back(e);
    return nodes;
}

int ExerciseNode::Count(const QString& name) const
{
    int count = 0;
    for (QDomElement e = element_.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name))
        ++count;
    return count;
}

ExerciseNode ExerciseNode::At(const QString& name, int index) const
{
    int i = 0;
    for (QDomElement e = element_.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name), ++i)
        if (i == index)
            return ExerciseNode(e);
    return {};
}

int ExerciseNode::IntAttribute(const QString& name) const
{
    if (!element_.hasAttribute(name))
        throw ContentError(QStringLiteral("missing integer attribute '%1'").arg(name));
    return XmlReading::ToInt(element_.attribute(name), false);
}

QString ExerciseNode::LanguageText(const QString& name, int languageCode) const
{
    return XmlReading::TextForLanguage(element_, name, languageCode);
}

ExerciseDocument ExerciseDocument::Open(const QString& path)
{
    ExerciseDocument doc;
    doc.document_ = XmlReading::Load(path);
    const QDomElement root = doc.document_.documentElement();
    if (root.tagName() != u"cwiczenie")
        throw ContentError(QStringLiteral("%1 is not an exercise document").arg(path));
    const QDomElement configElement = root.firstChildElement(QStringLiteral("config"));
    ExerciseHeader& h = doc.header_;
    h.Config = ExerciseNode(configElement);
    // The type picks the screen, so it is read strictly; the other numbers
    // read as the course loader reads them (empty is 0).
    h.TypCw = h.Config.ChildInt(QStringLiteral("typ_cw"));
    h.Multimedia = TrimText(h.Config.ChildText(QStringLiteral("multimedia")));
    h.Id = XmlReading::ChildInt(configElement, QStringLiteral("id"), true);
    h.Grupa = XmlReading::ChildInt(configElement, QStringLiteral("grupa"), true);
    h.Poziom = XmlReading::ChildInt(configElement, QStringLiteral("poziom"), true);
    h.Param1 = XmlReading::ChildInt(configElement, QStringLiteral("param1"), true);
    h.Param2 = XmlReading::ChildInt(configElement, QStringLiteral("param2"), true);
    doc.body_ = ExerciseNode(root.firstChildElement(QStringLiteral("body")));
    return doc;
}

QString ExerciseDocument::RawInstruction(int languageCode, int mode) const
{
    const ExerciseFamily family = Family();
    if (family == ExerciseFamily::Dialogues || family == ExerciseFamily::Vocabulary) {
        for (const ExerciseNode& typ : body_.Child(QStringLiteral("polecenia")).Children(QStringLiteral("typ")))
            if (typ.IntAttribute(QStringLiteral("id")) == mode)
                return typ.LanguageText(QStringLiteral("polecenie"), languageCode);
        return {};
    }
    return body_.LanguageText(QStringLiteral("polecenie"), languageCode);
}

QString ExerciseDocument::Instruction(int languageCode, int mode) const
{
    return InstructionText(RawInstruction(languageCode, mode));
}

QString InstructionText(const QString& raw)
{
    const qsizetype first = raw.indexOf(u'~');
    if (first < 0)
        return raw;
    const qsizetype second = raw.indexOf(u'~', first + 1);
    const QString tail = second < 0 ? raw.mid(first + 1) : raw.mid(first + 1, second - first - 1);
    return raw.left(first) + QStringLiteral("\n\r") + tail;
}

QString TrimText(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].unicode() < 33)
        ++start;
    while (end > start && text[end - 1].unicode() < 33)
        --end;
    return text.mid(start, end - start);
}
