#pragma once

namespace pentarix {

// The main window hands over here when it closes for good: the exit dialog
// is shown without waiting for it and placed at the position in twips; if it
// is shown already, it stays shown and only moves.
void showExitDialog(int left, int top);

} // namespace pentarix
