#pragma once

#include <functional>

// The switch between the top-level screens. Each screen module registers how
// it is shown for the ScreenState values it serves; whoever closes a screen
// sets the state first and calls ShowCurrentScreen.
namespace Screens {

enum State : int {
    Login = 1,
    LanguageChoice = 2,
    MainMenu = 3,
    ContentsFromExercise = 4,
    CurrentElement = 5,
    ContentsFromMenu = 6,
    PhraseLessons = 7,
};

void Register(int state, std::function<void()> show);
bool IsRegistered(int state);

} // namespace Screens

// Shows the window selected by ScreenState; a state without a screen shows nothing.
void ShowCurrentScreen();

// Asks "Czy na pewno zamknąć program?" and ends the program on "Tak".
void ConfirmExit();

// Plays the result chime "wynik" of the resource library, without waiting.
void PlayResultSound();
