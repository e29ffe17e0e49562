#pragma once

namespace pentarix {

class Frm1;

// The program's windows, each loaded on first access and unloaded when it
// closes, as one instance per class.
Frm1& frm1();
bool frm1IsLoaded();

// Unloads every window without running its handlers (tests).
void discardAllForms();

} // namespace pentarix
