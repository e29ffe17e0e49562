// The main window's road into the lookup window.
#include "shell/frm1.h"

#include "examinees/frm_code.h"

namespace pentarix {

void Frm1::Command4_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
    form<FrmCode>().show();
    hide();
}

} // namespace pentarix
