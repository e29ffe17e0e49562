#pragma once

#include <QString>

namespace pentarix {

// The option 1 .. 5 that a typed key chooses on the item screen, 0 for none.
// The digits 1 to 5 choose, whichever script the keyboard layout types them
// in: Latin, Persian (U+06F1 ..) or Arabic-Indic (U+0661 ..), top row or
// keypad. The typed text decides, since a Persian layout reports the digit's
// key code or no key code at all; the key code decides only for a key that
// types no text.
int optionOfKey(int key, const QString& text);

} // namespace pentarix
