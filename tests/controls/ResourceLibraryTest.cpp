#include "PictureNames.h"
#include "ResourceLibrary.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using testsupport::library;

namespace {

TEST(ResourceLibrary, HoldsEveryPictureAndSoundTheProgramAsksFor)
{
    const ResourceLibrary& lib = library();
    ASSERT_TRUE(lib.isLoaded());
    QStringList missing;
    for (const QString& name : PictureNames::All()) {
        if (!lib.hasPicture(name))
            missing << name;
    }
    for (const QString& name : PictureNames::Waves()) {
        if (!lib.hasWave(name))
            missing << name + QStringLiteral(".wav");
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();
}

TEST(ResourceLibrary, MeasuresTheFourDialogCorners)
{
    const ResourceLibrary& lib = library();
    const struct {
        ResourceLibrary::Corner corner;
        const char* name;
    } corners[] = {{ResourceLibrary::DIAL01, "DIAL01_B"},
                   {ResourceLibrary::DIAL03, "DIAL03_B"},
                   {ResourceLibrary::DIAL07, "DIAL07_B"},
                   {ResourceLibrary::DIAL09, "DIAL09_B"}};
    for (const auto& c : corners) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lib.corner(c.corner), lib.picture(QLatin1String(c.name)).size());
        EXPECT_FALSE(lib.corner(c.corner).isEmpty());
    }
}

TEST(ResourceLibrary, AMissingPictureRaisesThePngLoaderError)
{
    const ResourceLibrary& lib = library();
    try {
        lib.picture(QStringLiteral("G05_H_9_99"));
        FAIL() << "no error for a picture the library does not hold";
    } catch (const PictureMissingError& e) {
        EXPECT_STREQ(e.what(), "The png image could not be loaded from the resource ID.");
        EXPECT_EQ(e.name(), QStringLiteral("G05_H_9_99"));
    }
    EXPECT_FALSE(lib.hasPicture(QStringLiteral("G05_H_9_99")));
}

TEST(ResourceLibrary, PictureNamesAreExactNotCaseFolded)
{
    EXPECT_TRUE(library().hasPicture(QStringLiteral("Wiersz_L2_Up")));
    EXPECT_FALSE(library().hasPicture(QStringLiteral("Wiersz_L2_UP")));
}

TEST(ResourceLibrary, ADecodedPictureIsKeptAndStaysTheSame)
{
    const ResourceLibrary& lib = library();
    const QImage& first = lib.picture(QStringLiteral("BELKA_BODY_STYLE_2"));
    const QImage& again = lib.picture(QStringLiteral("BELKA_BODY_STYLE_2"));
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(first.size(), QSize(1024, 50));
}

TEST(ResourceLibrary, TheResultSoundIsAPlayableWave)
{
    const QByteArray wave = library().wave(QStringLiteral("wynik"));
    ASSERT_GT(wave.size(), 44);
    EXPECT_EQ(wave.left(4), QByteArray("RIFF"));
    EXPECT_EQ(wave.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(qFromLittleEndian<quint16>(wave.constData() + 20), 1);   // PCM
    const quint32 rate = qFromLittleEndian<quint32>(wave.constData() + 24);
    const quint32 bytes = qFromLittleEndian<quint32>(wave.constData() + 40);
    EXPECT_EQ(bytes + 44, static_cast<quint32>(wave.size()));
    EXPECT_GT(bytes / 2.0 / rate, 0.4) << "the chime is long enough to hear";
    EXPECT_TRUE(library().waveUrl(QStringLiteral("wynik")).toString().startsWith(QStringLiteral("qrc:/")));
    EXPECT_TRUE(library().wave(QStringLiteral("brak")).isEmpty());
}

struct BadFolder {
    const char* name;
    std::function<void(const QString& folder)> prepare;
};

void PrintTo(const BadFolder& row, std::ostream* os)
{
    *os << row.name;
}


class ResourceLibraryLoad : public ::testing::TestWithParam<BadFolder> {};

TEST_P(ResourceLibraryLoad, FailsWithoutShowingAnythingAndStaysUnloaded)
{
    testsupport::app();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    GetParam().prepare(dir.path());
    ResourceLibrary lib;
    EXPECT_FALSE(lib.load(dir.path()));
    EXPECT_FALSE(lib.isLoaded());
    EXPECT_FALSE(lib.hasPicture(QStringLiteral("DIAL01_B")));
    EXPECT_THROW(lib.picture(QStringLiteral("DIAL01_B")), PictureMissingError);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ResourceLibraryLoad,
    ::testing::Values(
        BadFolder{"NoLibraryFile", [](const QString&) {}},
        BadFolder{"NotAResourceFile",
                  [](const QString& folder) {
                      QFile f(QDir(folder).filePath(QStringLiteral("resource.rcc")));
                      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                      f.write("MZ this is no resource file");
                  }},
        BadFolder{"TruncatedLibrary",
                  [](const QString& folder) {
                      QFile source(library().filePath());
                      ASSERT_TRUE(source.open(QIODevice::ReadOnly));
                      QFile f(QDir(folder).filePath(QStringLiteral("resource.rcc")));
                      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                      f.write(source.read(4096));
                  }},
        BadFolder{"LibraryWithoutDialogCorners",
                  [](const QString& folder) {
                      ASSERT_TRUE(QFile::copy(QStringLiteral(KURS_INCOMPLETE_LIBRARY_DIR "/resource.rcc"),
                                              QDir(folder).filePath(QStringLiteral("resource.rcc"))));
                  }}),
    [](const ::testing::TestParamInfo<BadFolder>& info) { return std::string(info.param.name); });

TEST(ResourceLibrary, TwoLibrariesFromDifferentFoldersDoNotSeeEachOther)
{
    testsupport::app();
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(library().filePath(), QDir(dir.path()).filePath(QStringLiteral("resource.rcc"))));
    auto second = std::make_unique<ResourceLibrary>();
    ASSERT_TRUE(second->load(dir.path()));
    EXPECT_TRUE(second->hasPicture(QStringLiteral("KLAW_B_N")));
    second.reset();
    EXPECT_TRUE(library().hasPicture(QStringLiteral("KLAW_X_H"))) << "unloading one library leaves the other usable";
}

} // namespace
