#include "users/ProfileValidation.h"
#include "users/UserList.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const ProfileProblem& problem, std::ostream* os)
{
    *os << "hint " << problem.Hint << " \"" << problem.Text.toStdString() << "\" field "
        << static_cast<int>(problem.Where) << " action " << static_cast<int>(problem.Then);
}

namespace {

using Field = ProfileProblem::Field;
using Action = ProfileProblem::Action;

struct Case {
    const char* Name;
    ProfileInput Input;
    std::uint32_t OwnId;
    std::optional<ProfileProblem> Expected;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.Name;
}

class ProfileValidation : public ::testing::TestWithParam<Case> {
protected:
    ProfileValidation()
    {
        TUser ania;
        ania.Id = 1;
        ania.Name = QStringLiteral("Ania");
        users.Append(ania);
        TUser lukasz;
        lukasz.Id = 2;
        lukasz.Name = QStringLiteral("Łukasz");
        users.Append(lukasz);
    }
    UserList users;
};

TEST_P(ProfileValidation, FindsTheFirstProblemInTheDesignedOrder)
{
    const Case& c = GetParam();
    EXPECT_EQ(ValidateProfile(c.Input, users, c.OwnId), c.Expected);
}

const QString kBadCharacters = UnstorableCharacterMessage();

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileValidation,
    ::testing::Values(
        Case{"EmptyName", {QStringLiteral("   "), false, {}, {}}, 0, ProfileProblem{58, {}, Field::Name, Action::Focus}},
        Case{"EmptyNameBeforeShortPassword", {QString(), true, QStringLiteral("a"), QStringLiteral("b")}, 0,
             ProfileProblem{58, {}, Field::Name, Action::Focus}},
        Case{"NameTakenIgnoringCase", {QStringLiteral(" ANIA "), false, {}, {}}, 0,
             ProfileProblem{60, {}, Field::Name, Action::Select}},
        Case{"PolishLettersComparedUpperCased", {QStringLiteral("łukasz"), false, {}, {}}, 0,
             ProfileProblem{60, {}, Field::Name, Action::Select}},
        Case{"NameTakenBeforeShortPassword", {QStringLiteral("ania"), true, QStringLiteral("ab"), QStringLiteral("ab")},
             0, ProfileProblem{60, {}, Field::Name, Action::Select}},
        Case{"OwnNameWhenModifying", {QStringLiteral("Ania"), false, {}, {}}, 1, std::nullopt},
        Case{"NameWithEqualsSign", {QStringLiteral("a=b"), false, {}, {}}, 0,
             ProfileProblem{0, kBadCharacters, Field::Name, Action::Select}},
        Case{"PasswordOfTwoCharacters", {QStringLiteral("Ola"), true, QStringLiteral("ab"), QStringLiteral("ab")}, 0,
             ProfileProblem{61, {}, Field::Password, Action::Focus}},
        Case{"PasswordShortAfterTrimming", {QStringLiteral("Ola"), true, QStringLiteral(" ab "), QStringLiteral("ab")}, 0,
             ProfileProblem{61, {}, Field::Password, Action::Focus}},
        Case{"PasswordOfThreeCharacters", {QStringLiteral("Ola"), true, QStringLiteral("abc"), QStringLiteral("abc")}, 0,
             std::nullopt},
        Case{"TrailingSpaceIsTheSamePassword", {QStringLiteral("Ola"), true, QStringLiteral("abc "), QStringLiteral("abc")},
             0, std::nullopt},
        Case{"RepetitionDiffers", {QStringLiteral("Ola"), true, QStringLiteral("abc"), QStringLiteral("abd")}, 0,
             ProfileProblem{62, {}, Field::Repetition, Action::ClearAndFocus}},
        Case{"PasswordCaseMatters", {QStringLiteral("Ola"), true, QStringLiteral("Abc"), QStringLiteral("abc")}, 0,
             ProfileProblem{62, {}, Field::Repetition, Action::ClearAndFocus}},
        Case{"PasswordWithEqualsSign", {QStringLiteral("Ola"), true, QStringLiteral("a=bc"), QStringLiteral("a=bc")}, 0,
             ProfileProblem{0, kBadCharacters, Field::Password, Action::Focus}},
        Case{"PasswordIgnoredWhenNotTicked", {QStringLiteral("Ola"), false, QStringLiteral("a"), QString()}, 0,
             std::nullopt}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.Name); });

} // namespace
