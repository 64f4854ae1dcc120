#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class UserList;

// What the learner entered in the profile dialog.
struct ProfileInput {
    QString Name;
    bool PasswordTicked = false;
    QString Password;
    QString Repetition;
};

// The first thing wrong with a profile dialog's input: the message (a hint
// number, or a text of its own where no hint exists) and what to do with
// the fields.
struct ProfileProblem {
    enum class Field { Name, Password, Repetition };
    enum class Action { Focus, Select, ClearAndFocus };

    int Hint = 0;     // message HintText(Hint) when above 0
    QString Text;     // otherwise this message
    Field Where = Field::Name;
    Action Then = Action::Focus;

    friend bool operator==(const ProfileProblem&, const ProfileProblem&) = default;
};

inline constexpr int kHintNameEmpty = 58;
inline constexpr int kHintNameTaken = 60;
inline constexpr int kHintPasswordShort = 61;
inline constexpr int kHintPasswordsDiffer = 62;
// Title of the validation messages.
inline constexpr int kHintValidationTitle = 59;

// The text shown for a name or password the user list cannot hold.
QString UnstorableCharacterMessage();

// Checks, in this order: the trimmed name is not empty; no other profile
// (a different number than `ownId`) has that name, ignoring letter case; the
// name can be stored; with the password box ticked, the trimmed password has
// at least 3 characters, equals the trimmed repetition and can be stored.
std::optional<ProfileProblem> ValidateProfile(const ProfileInput& input, const UserList& users, std::uint32_t ownId);
