// The main window's road into scoring.
#include "scoring/frmk_lid.h"
#include "shell/frm1.h"

namespace pentarix {

void Frm1::Command3_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
    form<FrmkLID>().show();
    hide();
}

} // namespace pentarix
