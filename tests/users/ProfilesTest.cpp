#include "FailingWrites.h"

#include "users/ProfileDirectory.h"
#include "users/ScrambleLine.h"
#include "users/UserFiles.h"

#include "course/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TUser Entered(const QString& name, const QString& gender = QStringLiteral("K"), int avatar = 11)
{
    TUser user;
    user.Name = name;
    user.Gender = gender;
    user.Avatar = avatar;
    return user;
}

// The entries of a Users folder holding one profile, sorted.
QStringList ExpectedFiles(std::uint32_t id)
{
    QStringList names;
    for (int n = 1; n <= 5; ++n)
        names << QStringLiteral("%1_stat%2.xml").arg(id).arg(n);
    names << QStringLiteral("%1_config.xml").arg(id) << QStringLiteral("%1_Media_Arch").arg(id)
          << QStringLiteral("%1_Media_Temp").arg(id) << QStringLiteral("usr.txt");
    names.sort();
    return names;
}

// A Users folder in a temporary program folder.
class Profiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        users = dir.path() + QStringLiteral("/Users");
        QDir().mkpath(users);
        profiles.SetUsersFolder(users);
    }

    std::vector<std::uint32_t> Ids() const
    {
        std::vector<std::uint32_t> ids;
        for (int i = 0; i < profiles.List().Count(); ++i)
            ids.push_back(profiles.List().At(i).Id);
        return ids;
    }

    QStringList UsersFolderEntries() const
    {
        QStringList entries = QDir(users).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        entries.sort();
        return entries;
    }

    QTemporaryDir dir;
    QString users;
    ProfileDirectory profiles;
};

TEST_F(Profiles, NumbersGoOnFromTheLastProfileAndKeepGaps)
{
    EXPECT_EQ(profiles.CreateProfile(Entered(QStringLiteral("Ania"))).Id, 1u);
    EXPECT_EQ(profiles.CreateProfile(Entered(QStringLiteral("Bartek"), QStringLiteral("M"), 21)).Id, 2u);
    EXPECT_EQ(profiles.CreateProfile(Entered(QStringLiteral("Celina"))).Id, 3u);
    profiles.DeleteProfile(1);
    EXPECT_EQ(profiles.CreateProfile(Entered(QStringLiteral("Dorota"))).Id, 4u);
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t>{1, 3, 4}));

    // The list on disk says the same.
    ProfileDirectory reread;
    reread.SetUsersFolder(users);
    reread.LoadUserList();
    ASSERT_EQ(reread.List().Count(), 3);
    EXPECT_EQ(reread.List().At(2).Name, QStringLiteral("Dorota"));

    // Deleting the last profile lets its number be given again.
    profiles.DeleteProfile(2);
    EXPECT_EQ(profiles.CreateProfile(Entered(QStringLiteral("Ewa"))).Id, 4u);
}

TEST_F(Profiles, ANewProfileGetsItsFilesFreshResultsOf94BytesAndTheDefaultSettings)
{
    const TUser created = profiles.CreateProfile(Entered(QStringLiteral("Łucja"), QStringLiteral("K"), 15));
    EXPECT_EQ(UsersFolderEntries(), ExpectedFiles(1));
    for (int n = 1; n <= 5; ++n) {
        const QByteArray results = ReadAll(UserFiles::ResultsFilePath(users, 1, n));
        EXPECT_EQ(results.size(), 94);
        EXPECT_EQ(results, QByteArray("\xFF\xFE", 2)
                               + QByteArray::fromRawData(
                                   reinterpret_cast<const char*>(u"<?xml version=\"1.0\"?><cwiczenia></cwiczenia>\r\n"),
                                   92));
    }
    const QByteArray config = ReadAll(UserFiles::ConfigFilePath(users, 1));
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(config.constData() + 2), (config.size() - 2) / 2),
              QStringLiteral("<?xml version=\"1.0\"?>\r\n<config>\r\n<value id=\"1\">0</value>\r\n"
                             "<value id=\"2\">0</value>\r\n<value id=\"3\">0</value>\r\n</config>\r\n"));
    EXPECT_TRUE(QFileInfo(UserFiles::MediaArchPath(users, 1)).isDir());
    EXPECT_TRUE(QFileInfo(UserFiles::MediaTempPath(users, 1)).isDir());

    const QByteArray list = ReadAll(profiles.ListPath());
    ASSERT_TRUE(list.endsWith("\r\n"));
    EXPECT_EQ(DecodeWindows1250(UnscrambleLine(list.chopped(2))), QStringLiteral("1=Łucja=K=0==14=nie=tak"));
    EXPECT_FALSE(created.DictionaryOnRightClick);
    EXPECT_TRUE(created.CaseSensitive);
}

TEST_F(Profiles, DeletingRemovesAllEightOfTheProfilesFilesAndNothingElse)
{
    profiles.CreateProfile(Entered(QStringLiteral("Ania")));
    profiles.CreateProfile(Entered(QStringLiteral("Bartek")));
    // Recordings and the trainer's statistics of the profile to delete.
    QFile(UserFiles::MediaTempPath(users, 2) + QStringLiteral("/nagranie.wav")).open(QIODevice::WriteOnly);
    QDir().mkpath(UserFiles::MediaArchPath(users, 2) + QStringLiteral("/lekcja1"));
    QFile(UserFiles::MediaArchPath(users, 2) + QStringLiteral("/lekcja1/a.wav")).open(QIODevice::WriteOnly);
    QFile(UserFiles::PhraseStatisticsPath(users, 2)).open(QIODevice::WriteOnly);

    profiles.DeleteProfile(1);
    EXPECT_EQ(UsersFolderEntries(), ExpectedFiles(1));
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t>{1}));
}

TEST_F(Profiles, ModifyingKeepsTheNumberAndTheSettings)
{
    profiles.CreateProfile(Entered(QStringLiteral("Ania")));
    TUser signedIn = profiles.List().At(0);
    signedIn.DictionaryOnRightClick = true;
    signedIn.CaseSensitive = false;
    profiles.SaveUser(signedIn);

    TUser changed = Entered(QStringLiteral("Anna"), QStringLiteral("K"), 26);
    changed.HasPassword = 1;
    changed.Password = QStringLiteral("tajne");
    profiles.ModifyProfile(0, changed);
    const TUser stored = profiles.List().At(0);
    EXPECT_EQ(stored.Id, 1u);
    EXPECT_EQ(stored.Name, QStringLiteral("Anna"));
    EXPECT_EQ(stored.Avatar, 26);
    EXPECT_EQ(stored.Password, QStringLiteral("tajne"));
    EXPECT_TRUE(stored.DictionaryOnRightClick);
    EXPECT_FALSE(stored.CaseSensitive);
}

TEST_F(Profiles, AListThatCannotBeWrittenLeavesTheOldListAndTheFiles)
{
    profiles.CreateProfile(Entered(QStringLiteral("Ania")));
    profiles.CreateProfile(Entered(QStringLiteral("Bartek")));
    const QByteArray before = ReadAll(profiles.ListPath());
    const QStringList entries = UsersFolderEntries();

    HalfWayFullWriter full;
    ProfileDirectory onFullDisk(full);
    onFullDisk.SetUsersFolder(users);
    onFullDisk.LoadUserList();
    EXPECT_THROW(onFullDisk.DeleteProfile(0), FileWriteError);
    EXPECT_THROW(onFullDisk.CreateProfile(Entered(QStringLiteral("Celina"))), FileWriteError);
    EXPECT_THROW(onFullDisk.SaveUser(onFullDisk.List().At(1)), FileWriteError);
    EXPECT_EQ(full.Failures, 3);
    EXPECT_EQ(onFullDisk.List().Count(), 2);

    EXPECT_EQ(ReadAll(profiles.ListPath()), before);
    EXPECT_EQ(UsersFolderEntries(), entries);
}

TEST_F(Profiles, AnUnwritableUsersFolderLeavesTheOldList)
{
    profiles.CreateProfile(Entered(QStringLiteral("Ania")));
    const QByteArray before = ReadAll(profiles.ListPath());
    {
        UnwritableFolder locked(users);
        if (!locked.Works())
            GTEST_SKIP() << "this file system lets the folder be written";
        EXPECT_THROW(profiles.CreateProfile(Entered(QStringLiteral("Bartek"))), FileWriteError);
    }
    EXPECT_EQ(ReadAll(profiles.ListPath()), before);
    EXPECT_EQ(profiles.List().Count(), 1);
}

TEST_F(Profiles, AMissingListIsEmpty)
{
    profiles.LoadUserList();
    EXPECT_TRUE(profiles.List().IsEmpty());
    EXPECT_EQ(profiles.List().NextId(), 1u);
}

} // namespace
