#include "UserList.h"

#include "SafeFileWriter.h"
#include "ScrambleLine.h"

#include "course/FieldOf.h"
#include "course/TextCodec.h"

#include <QFile>

#include <algorithm>
#include <stdexcept>

namespace {

QString SettingText(bool on)
{
    return on ? QStringLiteral("tak") : QStringLiteral("nie");
}

} // namespace

QString FormatUserLine(const TUser& user)
{
    // Joined, not formatted: a name may hold "%" signs.
    return QStringList{QString::number(user.Id),
                       user.Name,
                       user.Gender,
                       QString::number(user.HasPassword),
                       user.Password,
                       QString::number(user.Avatar - 1),
                       SettingText(user.DictionaryOnRightClick),
                       SettingText(user.CaseSensitive)}
        .join(u'=');
}

TUser ParseUserLine(const QString& line)
{
    TUser user;
    user.Id = FieldOf(1, line, u'=').trimmed().toUInt();
    user.Name = FieldOf(2, line, u'=');
    user.Gender = FieldOf(3, line, u'=').left(1);
    user.HasPassword = FieldOf(4, line, u'=').trimmed().toInt();
    user.Password = FieldOf(5, line, u'=');
    user.Avatar = FieldOf(6, line, u'=').trimmed().toInt() + 1;
    user.DictionaryOnRightClick = FieldOf(7, line, u'=') == u"tak";
    user.CaseSensitive = FieldOf(8, line, u'=') == u"tak";
    return user;
}

bool CanBeStoredInUserList(const QString& text)
{
    for (const QChar c : text) {
        if (c == u'=' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return DecodeWindows1250(EncodeWindows1250(text)) == text;
}

QList<QByteArray> SplitScrambledLines(const QByteArray& file)
{
    QList<QByteArray> lines;
    QByteArray current;
    int separators = 0; // "=" seen so far in the unscrambled line
    for (const char byte : file) {
        if (byte == '\r' || byte == '\n') {
            // The name is field 2 and the password field 5; only their
            // characters scramble to CR or LF (every other field is ASCII).
            if (!current.isEmpty() && (separators == 1 || separators == 4)) {
                current.append(byte);
                continue;
            }
            if (!current.isEmpty())
                lines.append(current);
            current.clear();
            separators = 0;
            continue;
        }
        const auto plain = static_cast<char>(
            (static_cast<unsigned char>(byte) - ScrambleShift(current.size()) + 256) & 0xFF);
        if (plain == '=')
            ++separators;
        current.append(byte);
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

bool UserList::Load(const QString& path)
{
    lines_.clear();
    QFile file(path);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString()).toStdString());
    for (const QByteArray& scrambled : SplitScrambledLines(file.readAll()))
        lines_.append(DecodeWindows1250(UnscrambleLine(scrambled)));
    return true;
}

void UserList::Save(const QString& path, SafeFileWriter& writer) const
{
    QByteArray bytes;
    for (const QString& line : lines_)
        bytes += ScrambleLine(EncodeWindows1250(line)) + "\r\n";
    writer.WriteWhole(path, bytes);
}

int UserList::IndexOfId(std::uint32_t id) const
{
    for (int i = 0; i < Count(); ++i) {
        if (At(i).Id == id)
            return i;
    }
    return -1;
}

std::uint32_t UserList::NextId() const
{
    std::uint32_t highest = 0;
    for (int i = 0; i < Count(); ++i)
        highest = std::max(highest, At(i).Id);
    return highest + 1;
}

bool UserList::NameTaken(const QString& name, std::uint32_t ownId) const
{
    const QString wanted = name.toUpper();
    for (int i = 0; i < Count(); ++i) {
        const TUser user = At(i);
        if (user.Id != ownId && user.Name.toUpper() == wanted)
            return true;
    }
    return false;
}
