#include "aids/HelpHistory.h"
#include "aids/VersionText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kHelp = QStringLiteral(KURS_CONTENT_DIR "/Pomoc");

QString Page(const QString& name)
{
    QFile file(kHelp + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> AnchorsOf(const QString& html)
{
    QSet<QString> anchors;
    static const QRegularExpression name(QStringLiteral("<a name=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& m : name.globalMatch(html))
        anchors.insert(m.captured(1));
    return anchors;
}

TEST(HelpPages, EveryPageTheProgramOpensExistsInPolishWithItsStyleSheet)
{
    const char* const pages[] = {"index", "log",  "spis", "ustaw", "wyniki", "slowka", "dialogi", "literki", "test",
                                 "rozum", "prez", "gram", "pis",   "ciek",   "t_index", "f_index", "blad"};
    for (const char* page : pages) {
        SCOPED_TRACE(page);
        const QString html = Page(QString::fromLatin1(page) + QStringLiteral(".html"));
        ASSERT_FALSE(html.isEmpty());
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"style.css\"")));
        EXPECT_TRUE(html.contains(QStringLiteral("charset=utf-8")));
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>")));
        EXPECT_TRUE(html.contains(QStringLiteral("Spis treści pomocy"))) << "every page leads back to the contents";
    }
    EXPECT_TRUE(QFileInfo::exists(kHelp + QStringLiteral("/style.css")));
}

TEST(HelpPages, ExercisePagesHaveTheAnchorsTheNavigationJumpsTo)
{
    // The page each package kind leads to and the exercise types found there.
    const struct {
        const char* Page;
        std::vector<int> Types;
    } pages[] = {
        {"rozum.html", {2, 3, 4, 5, 7, 31, 33, 51}},
        {"dialogi.html", {11, 14, 18, 26}},
        {"prez.html", {41, 42, 44, 48}},
        {"gram.html", {2, 3, 4, 5, 7, 31, 33, 51}},
        {"slowka.html", {61, 62, 64, 68}},
        {"pis.html", {4, 33, 51}},
        {"ciek.html", {54}},
        {"literki.html", {53}},
        {"test.html", {55, 56}},
        {"blad.html", {2, 3, 4, 5, 7, 11, 14, 18, 26, 31, 33, 41, 42, 44, 48, 51, 53, 54, 55, 56, 61, 62, 64, 68}},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.Page);
        const QSet<QString> anchors = AnchorsOf(Page(QString::fromLatin1(p.Page)));
        for (int type : p.Types)
            EXPECT_TRUE(anchors.contains(QString::number(type))) << "#" << type;
    }
}

TEST(HelpPages, EveryLinkLeadsToAnExistingPageAndAnchor)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    const QStringList pages = QDir(kHelp).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(pages.size(), 17);
    for (const QString& page : pages) {
        const QString html = Page(page);
        for (const QRegularExpressionMatch& m : href.globalMatch(html)) {
            const QString link = m.captured(1);
            if (link == u"style.css")
                continue;
            SCOPED_TRACE((page + QStringLiteral(" -> ") + link).toStdString());
            EXPECT_FALSE(HelpTargets::IsWebAddress(link));
            const qsizetype hash = link.indexOf(u'#');
            const QString file = hash < 0 ? link : link.left(hash);
            const QString target = file.isEmpty() ? page : file;
            ASSERT_TRUE(QFileInfo::exists(kHelp + u'/' + target));
            if (hash >= 0)
                EXPECT_TRUE(AnchorsOf(Page(target)).contains(link.mid(hash + 1)));
        }
    }
}

TEST(HelpTargets, LinksResolveInTheHelpFolderAndKeepTheirAnchors)
{
    const QString exe = QStringLiteral("/opt/kurs");
    EXPECT_EQ(HelpTargets::TargetOfPage(exe, QStringLiteral("\\Pomoc\\slowka.html#61")),
              QStringLiteral("/opt/kurs\\Pomoc\\slowka.html#61"));
    EXPECT_EQ(HelpTargets::TargetOfPage(exe, QStringLiteral("https://example.org/kurs")),
              QStringLiteral("https://example.org/kurs"));
    EXPECT_EQ(HelpTargets::TargetOfLink(exe, QStringLiteral("/opt/kurs\\Pomoc\\a.html"), QStringLiteral("b.html#x")),
              QStringLiteral("/opt/kurs\\Pomoc\\b.html#x"));
    EXPECT_EQ(HelpTargets::TargetOfLink(exe, QStringLiteral("/opt/kurs\\Pomoc\\a.html#y"), QStringLiteral("#x")),
              QStringLiteral("/opt/kurs\\Pomoc\\a.html#x"));
    EXPECT_EQ(HelpTargets::ContentsTarget(exe), QStringLiteral("/opt/kurs\\Pomoc\\index.html"));

    const QString folder = QStringLiteral("/opt/kurs/Pomoc");
    EXPECT_EQ(HelpTargets::LinkTextOf(QUrl::fromLocalFile(folder + QStringLiteral("/b.html")), folder),
              QStringLiteral("b.html"));
    QUrl withAnchor = QUrl::fromLocalFile(folder + QStringLiteral("/slowka.html"));
    withAnchor.setFragment(QStringLiteral("64"));
    EXPECT_EQ(HelpTargets::LinkTextOf(withAnchor, folder), QStringLiteral("slowka.html#64"));
    EXPECT_EQ(HelpTargets::LinkTextOf(QUrl(QStringLiteral("http://example.org/a?b=1")), folder),
              QStringLiteral("http://example.org/a?b=1"));
}

TEST(VersionText, PartsAreWrittenOneAfterAnotherWithoutSeparators)
{
    const struct {
        QVersionNumber Version;
        const char* Expected;
    } cases[] = {{QVersionNumber({1, 1, 0, 7}), "1107"},
                 {QVersionNumber({1, 1, 0, 12}), "11012"},
                 {QVersionNumber({10, 0, 3, 250}), "1003250"},
                 {QVersionNumber(2, 5), "2500"},
                 {QVersionNumber(), "0000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(VersionText(c.Version), QString::fromLatin1(c.Expected));
    }
    EXPECT_EQ(VersionLine(QVersionNumber({1, 1, 0, 12}), QVersionNumber()),
              QStringLiteral("Zalpiony kurs 1.1 (APP: 11012; RES: 0000)"));
    EXPECT_FALSE(ProgramVersion().isNull());
}

} // namespace
