#include "ProfileValidation.h"

#include "UserList.h"

QString UnstorableCharacterMessage()
{
    return QStringLiteral("Nazwa i hasło mogą zawierać tylko litery, cyfry, odstępy i typowe znaki interpunkcyjne; "
                          "znak „=” jest niedozwolony.");
}

std::optional<ProfileProblem> ValidateProfile(const ProfileInput& input, const UserList& users, std::uint32_t ownId)
{
    using Field = ProfileProblem::Field;
    using Action = ProfileProblem::Action;
    const QString name = input.Name.trimmed();
    if (name.isEmpty())
        return ProfileProblem{kHintNameEmpty, {}, Field::Name, Action::Focus};
    if (users.NameTaken(name, ownId))
        return ProfileProblem{kHintNameTaken, {}, Field::Name, Action::Select};
    if (!CanBeStoredInUserList(name))
        return ProfileProblem{0, UnstorableCharacterMessage(), Field::Name, Action::Select};
    if (!input.PasswordTicked)
        return std::nullopt;
    const QString password = input.Password.trimmed();
    if (password.size() < 3)
        return ProfileProblem{kHintPasswordShort, {}, Field::Password, Action::Focus};
    if (password != input.Repetition.trimmed())
        return ProfileProblem{kHintPasswordsDiffer, {}, Field::Repetition, Action::ClearAndFocus};
    if (!CanBeStoredInUserList(password))
        return ProfileProblem{0, UnstorableCharacterMessage(), Field::Password, Action::Focus};
    return std::nullopt;
}
