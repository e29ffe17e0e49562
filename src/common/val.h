#pragma once

#include <QString>

namespace pentarix {

// The lenient reading of a number in text: leading blanks skipped, the longest
// leading part that reads as a decimal number taken, the rest ignored; a text
// without a leading number reads as 0. "3" and "3x" give 3, "" gives 0.
double Val(const QString& text);

} // namespace pentarix
