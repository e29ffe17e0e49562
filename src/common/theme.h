#pragma once

#include <QString>

class QWidget;

namespace pentarix {

class SkinEngine;

// The skin file of a theme number 1 .. 11; empty for any other number.
QString skinFileOfTheme(double themeNumber);

// The theme step of every skinned window's load handler: reads the theme
// number leniently from the text of the window's hidden TH box, loads the
// theme's skin file when the number is one of 1 to 11, and asks the engine to
// skin the window in every case.
void ApplyTheme(QWidget* window, SkinEngine& skin, const QString& themeText);

} // namespace pentarix
