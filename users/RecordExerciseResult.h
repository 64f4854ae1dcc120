#pragma once

#include "course/TElement.h"

#include <cstdint>
#include <functional>

class QWidget;

// Records the result of the exercise screen being left or just checked:
// the "LastLesson" entry always; for a scored type whose result panel
// "Panel_Wynik" is showing, also its score and the means above it. The
// element is the navigation's current one. A results file that cannot be
// written stops the program with the results error message.
void RecordExerciseResult(QWidget* screen);

namespace ResultRecording {

// Where the current element comes from (the navigation state).
void SetCurrentElementSource(std::function<TElement*()> source);
// A window closed, when visible, before a result is recorded (the lesson
// contents pop-up, the dictionary).
void CloseBeforeRecording(QWidget* window);

} // namespace ResultRecording

// Opens the signed-in learner's results file of the chosen course language
// and attaches the stored results to every element of the course, with the
// progress window "Wczytuję statystyki...". A damaged file stops the
// program with the results error message and stays as it was on disk.
void LoadAllResults(std::uint32_t userId);

// The results file of a learner in a course language, in the program folder.
QString ResultsFileOf(std::uint32_t userId, int courseLanguage);

// Tells the learner that the results file cannot be used and ends the program.
[[noreturn]] void StopOnResultsError();
