#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Every name the program can look up in the resource library, grouped by
// what asks for it. The skin generator draws exactly these pictures and
// sounds; a test checks that the built library holds each of them.
namespace PictureNames {

// The button picture sets (GrafikaIndex values) the library holds.
QList<int> GrafikaIndexes();
// Avatar numbers of the sign-in pictures: colour sets 11..16 and 21..26,
// and 1, the top bar's default.
QList<int> AvatarNumbers();
// Page tabs of the navigation bar, numbered from 1.
int PageTabCount();
// Exercise types (Typ_1..Typ_68) and kinds (Typ_100..Typ_116) with icons.
QList<int> TypeIconNumbers();

QStringList Buttons();
QStringList Dialogs();
QStringList TopBar();
QStringList Panels();
QStringList ContentsWindow();
QStringList Login();
QStringList Glyphs();
QStringList ScreenPictures();

QStringList All();
QStringList Waves();

} // namespace PictureNames
