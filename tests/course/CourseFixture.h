#pragma once

#include "course/AppState.h"
#include "course/CourseModel.h"
#include "course/LoadFeedback.h"
#include "course/XmlReading.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Records what loading would show the learner.
class RecordingFeedback : public LoadFeedback {
public:
    void ShowLoadError(const QString& message) override { Errors.append(message); }
    void StartProgress(int maximum, const QString& caption) override
    {
        ProgressMaximum = maximum;
        ProgressCaption = caption;
    }
    void StepProgress(int position) override { LastStep = position; }
    void CloseProgress() override { ++Closed; }

    QStringList Errors;
    int ProgressMaximum = -1;
    QString ProgressCaption;
    int LastStep = 0;
    int Closed = 0;
};

// A program folder in a temporary directory, filled by the test.
class ProgramFolder {
public:
    ProgramFolder() { EXPECT_TRUE(dir_.isValid()); }

    QString Path() const { return dir_.path(); }

    void Write(const QString& relative, const QByteArray& content) const
    {
        const QString path = dir_.path() + u'/' + relative;
        QDir().mkpath(path.left(path.lastIndexOf(u'/')));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(content);
    }

    // Makes this folder the program folder of a fresh application state
    // studying `language`.
    void MakeCurrent(int language = 1) const
    {
        App() = AppState{};
        App().ExeDir = Path();
        App().CourseLanguage = language;
        App().FormatLanguageFolders();
    }

    CourseModel::Source Source(int language = 1, int namesLanguage = 0) const
    {
        return {Path(), QStringLiteral("/Unity%1").arg(language), QStringLiteral("/Dane%1").arg(language),
                namesLanguage};
    }

private:
    QTemporaryDir dir_;
};

inline QByteArray Lesson(int id, const QString& polishName)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lekcja><ID>%1</ID>"
                          "<nazwa id=\"0\">%2</nazwa><nazwa id=\"1\">Lesson %1</nazwa></lekcja>")
        .arg(id)
        .arg(polishName)
        .toUtf8();
}

// An exercise or package document with the given config fields and body.
struct Doc {
    int Typ = 1;
    int Param1 = 0;
    int Param2 = 0;
    int Grupa = 1;
    int Id = 1;
    int Poziom = 1;
    QString Name = QStringLiteral("Ćwiczenie");
    QString Body;

    QByteArray Xml() const
    {
        const QString nazwa = Name.isNull() ? QString() : QStringLiteral("<nazwa id=\"0\">%1</nazwa>").arg(Name);
        return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cwiczenie><config>"
                              "<typ_cw>%1</typ_cw><param1>%2</param1><param2>%3</param2><grupa>%4</grupa>"
                              "<poziom>%5</poziom><id>%6</id>%7</config><body>%8</body></cwiczenie>")
            .arg(Typ)
            .arg(Param1)
            .arg(Param2)
            .arg(Grupa)
            .arg(Poziom)
            .arg(Id)
            .arg(nazwa, Body)
            .toUtf8();
    }
};

inline QByteArray PackageElement(int typ, int poziom = 1)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cwiczenie><config><typ_cw>%1</typ_cw>"
                          "<poziom>%2</poziom></config><body/></cwiczenie>")
        .arg(typ)
        .arg(poziom)
        .toUtf8();
}

// Hints for the element names the loader takes from the table.
inline QByteArray Definitions()
{
    QString hints;
    auto add = [&hints](int id, const QString& text) {
        hints += QStringLiteral("<hint id=\"%1\"><tlumaczenie id=\"0\">%2</tlumaczenie>"
                                "<tlumaczenie id=\"1\">EN %2</tlumaczenie></hint>")
                     .arg(id)
                     .arg(text);
    };
    const int generated[] = {9, 10, 11, 12, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    for (int id : generated)
        add(id, QStringLiteral("Hint %1").arg(id));
    add(101, QStringLiteral("Słówka"));
    add(104, QStringLiteral("Wpisywanie"));
    add(200, QStringLiteral("Paczka"));
    add(102, QStringLiteral("Lekcje %d-%d"));
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<definicje><hinty>%1</hinty></definicje>")
        .arg(hints)
        .toUtf8();
}
