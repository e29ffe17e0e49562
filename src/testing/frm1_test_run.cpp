// The main window's road into a test run.
#include "shell/frm1.h"

namespace pentarix {

void Frm1::Command2_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
}

} // namespace pentarix
