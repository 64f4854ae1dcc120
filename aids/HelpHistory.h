#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Where the help window goes: the pages it has shown, oldest first, as a
// stack whose top is the page on show. A followed link or the contents
// button pushes, the back button pops.
class HelpHistory {
public:
    void Start(const QString& target);
    void Push(const QString& target);
    // Drops the page on show when there is one before it; false otherwise.
    bool Back();

    const QString& Current() const { return entries_.at(index_); }
    int Index() const { return index_; }
    const QStringList& Entries() const { return entries_; }
    // The back button shows exactly when there is a page to go back to.
    bool BackVisible() const { return index_ > 0; }

private:
    QStringList entries_{QString()};
    int index_ = 0;
};

namespace HelpTargets {

// Help pages are given relative to the program folder, beginning with a
// backslash ("\Pomoc\index.html", optionally "#anchor"); anything that
// contains "http" is a web address.
bool IsWebAddress(const QString& text);
// The text a page is kept under in the history: the web address itself, or
// the program folder followed by the page.
QString TargetOfPage(const QString& exeDir, const QString& page);
// The target of a link clicked on the page `current`: the link's file in the
// help folder, with its anchor; an anchor alone stays on the current page.
QString TargetOfLink(const QString& exeDir, const QString& current, const QString& link);
QString ContentsTarget(const QString& exeDir);

// The viewer reports a clicked link resolved against the page; this gives it
// back as the page wrote it: a web address as it is, a help page relative
// to the folder of the page on show, with its anchor.
QString LinkTextOf(const QUrl& link, const QString& pageFolder);

// A local target as a file on this disk (letter case of the names matched
// without regard to case) and the anchor after "#", if any.
struct Location {
    QString FilePath;
    QString Anchor;
};
Location Resolve(const QString& exeDir, const QString& target);

} // namespace HelpTargets
