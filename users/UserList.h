#pragma once

#include "TUser.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

class SafeFileWriter;

// One profile line, unscrambled:
// <Id>=<Name>=<Gender>=<HasPassword>=<Password>=<Avatar - 1>=<DictionaryOnRightClick>=<CaseSensitive>
QString FormatUserLine(const TUser& user);
TUser ParseUserLine(const QString& line);

// Whether a name or password can be stored in a profile line: no "=", no
// control characters, and every character in the Windows-1250 code page.
bool CanBeStoredInUserList(const QString& text);

// Splits the bytes of the user list file into its scrambled lines. A line
// ends at CR, LF or CR LF, except where such a byte is the scrambled form of
// a name or password character: inside those two fields it is kept as data.
QList<QByteArray> SplitScrambledLines(const QByteArray& file);

// The profiles of Users/usr.txt in file order, as unscrambled text lines.
class UserList {
public:
    // Reads the file as a whole; a missing file gives an empty list and false.
    bool Load(const QString& path);
    // Writes every line scrambled, each ended by CR LF, through the safe writer.
    // Throws FileWriteError; the old file is then untouched.
    void Save(const QString& path, SafeFileWriter& writer) const;

    const QStringList& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }
    bool IsEmpty() const { return lines_.isEmpty(); }
    TUser At(int index) const { return ParseUserLine(lines_.at(index)); }

    // Index of the line whose field 1 is `id`, or -1.
    int IndexOfId(std::uint32_t id) const;
    // The number for a new profile: one above the highest number in the list
    // (which is the last line's in a list this program wrote), 1 when empty.
    std::uint32_t NextId() const;
    // Whether a profile other than `ownId` has this name, ignoring letter case.
    bool NameTaken(const QString& name, std::uint32_t ownId) const;

    void Append(const TUser& user) { lines_.append(FormatUserLine(user)); }
    void Replace(int index, const TUser& user) { lines_[index] = FormatUserLine(user); }
    void Remove(int index) { lines_.removeAt(index); }
    void Clear() { lines_.clear(); }

private:
    QStringList lines_;
};
