#pragma once

#include "TUser.h"
#include "UserList.h"

#include <QString>

class SafeFileWriter;

// The profiles of the program folder: the user list Users/usr.txt and the
// files and folders each profile owns. Every change is written at once.
class ProfileDirectory {
public:
    explicit ProfileDirectory(SafeFileWriter& writer);
    ProfileDirectory();

    // The Users folder of the program folder.
    void SetUsersFolder(const QString& usersDir);
    const QString& UsersFolder() const { return usersDir_; }
    QString ListPath() const;

    // Reads usr.txt when it exists; otherwise the list is empty.
    void LoadUserList();
    void SaveUserList();
    const UserList& List() const { return list_; }

    // Appends a profile with the entered name, gender, avatar and password
    // under a new number, with the settings "nie" and "tak", writes the list
    // and creates the profile's files. Returns the stored profile.
    TUser CreateProfile(const TUser& entered);
    // Replaces the entry at `index` with the entered values; its number and
    // its two settings stay as they were.
    void ModifyProfile(int index, const TUser& entered);
    // Removes the entry at `index` from the list, writes the list, then
    // removes the profile's files and folders.
    void DeleteProfile(int index);
    // Writes `record` over the entry with the same number.
    void SaveUser(const TUser& record);

private:
    SafeFileWriter& writer_;
    QString usersDir_;
    UserList list_;
};

// The profiles of the running program.
ProfileDirectory& Profiles();
// Stores the signed-in learner's record (its settings) in the user list.
void SaveUser(const TUser& record);
