// The main window's road into scoring.
#include "shell/frm1.h"

namespace pentarix {

void Frm1::Command3_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
}

} // namespace pentarix
