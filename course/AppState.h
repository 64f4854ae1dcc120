#pragma once

#include <QString>

// Application-wide state that every screen reads. One instance for the run.
struct AppState {
    // Folder of the running program, without a trailing separator.
    QString ExeDir;
    // Per-language folder suffixes ("/Dane1", "/Unity1", "/Media1" for English).
    QString DaneDir;
    QString UnityDir;
    QString MediaDir;
    // Five "0"/"1" flags: character k is "1" when course language k is installed.
    QString InstalledLanguages;
    int CourseLanguage = 1;
    // Highest installed course language; chooses the menu logo and the trainer's language.
    int EditionLanguage = 1;
    // Language of element names and hints: 0 Polish, otherwise CourseLanguage.
    int NamesLanguage = 0;
    // Language of exercise instructions; always Polish.
    int InstructionLanguage = 0;
    bool PrinterPresent = false;
    // Which top-level screen ShowCurrentScreen shows (1..7).
    int ScreenState = 1;
    // Text of the program's own hint window; "<B>" ... "</B>" marks bold passages.
    QString HintWindowText;

    // Sets DaneDir, UnityDir and MediaDir from CourseLanguage.
    void FormatLanguageFolders();
    // ExeDir + suffix + "\" + name, as a path on this disk (letter case of
    // content names is matched without regard to case).
    QString ContentPath(const QString& suffix, const QString& name) const;
    QString DanePath(const QString& name) const { return ContentPath(DaneDir, name); }
    QString UnityPath(const QString& name) const { return ContentPath(UnityDir, name); }
    QString MediaPath(const QString& name) const { return ContentPath(MediaDir, name); }
};

AppState& App();
