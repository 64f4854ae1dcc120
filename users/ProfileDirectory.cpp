#include "ProfileDirectory.h"

#include "SafeFileWriter.h"
#include "UserFiles.h"

ProfileDirectory::ProfileDirectory(SafeFileWriter& writer)
    : writer_(writer)
{
}

ProfileDirectory::ProfileDirectory()
    : ProfileDirectory(DefaultFileWriter())
{
}

void ProfileDirectory::SetUsersFolder(const QString& usersDir)
{
    usersDir_ = usersDir;
}

QString ProfileDirectory::ListPath() const
{
    return usersDir_ + QStringLiteral("/usr.txt");
}

void ProfileDirectory::LoadUserList()
{
    list_.Load(ListPath());
}

void ProfileDirectory::SaveUserList()
{
    list_.Save(ListPath(), writer_);
}

TUser ProfileDirectory::CreateProfile(const TUser& entered)
{
    TUser profile;
    profile.Id = list_.NextId();
    profile.Name = entered.Name;
    profile.Gender = entered.Gender;
    profile.Avatar = entered.Avatar;
    profile.HasPassword = entered.HasPassword;
    profile.Password = entered.Password;
    profile.DictionaryOnRightClick = false;
    profile.CaseSensitive = true;
    UserList updated = list_;
    updated.Append(profile);
    updated.Save(ListPath(), writer_);
    list_ = updated;
    UserFiles::CreateUserFiles(usersDir_, profile.Id, writer_);
    return profile;
}

void ProfileDirectory::ModifyProfile(int index, const TUser& entered)
{
    TUser profile = list_.At(index);
    profile.Name = entered.Name;
    profile.Gender = entered.Gender;
    profile.Avatar = entered.Avatar;
    profile.HasPassword = entered.HasPassword;
    profile.Password = entered.Password;
    UserList updated = list_;
    updated.Replace(index, profile);
    updated.Save(ListPath(), writer_);
    list_ = updated;
}

void ProfileDirectory::DeleteProfile(int index)
{
    const TUser profile = list_.At(index);
    UserList updated = list_;
    updated.Remove(index);
    // The list is written first: should that fail, the profile keeps its files.
    updated.Save(ListPath(), writer_);
    list_ = updated;
    UserFiles::DeleteUserFiles(usersDir_, profile.Id);
}

void ProfileDirectory::SaveUser(const TUser& record)
{
    UserList updated = list_;
    const int index = updated.IndexOfId(record.Id);
    if (index >= 0)
        updated.Replace(index, record);
    updated.Save(ListPath(), writer_);
    list_ = updated;
}

ProfileDirectory& Profiles()
{
    static ProfileDirectory profiles;
    return profiles;
}

void SaveUser(const TUser& record)
{
    Profiles().SaveUser(record);
}
