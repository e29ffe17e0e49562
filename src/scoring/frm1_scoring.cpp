// The main window's road into scoring.
#include "common/messages.h"
#include "data/data_error.h"
#include "platform/modal.h"
#include "scoring/frmk_lid.h"
#include "scoring/frmk_lid_texts.h"
#include "shell/frm1.h"

namespace pentarix {

void Frm1::Command3_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
    try {
        form<FrmkLID>().show();
    } catch (const DataError& e) {
        // The window's views could not read the store: the main window stays.
        MessageBox(this, frmk_lid_texts::kOpenFailed + QLatin1Char('\n') + e.description(),
                   frmk_lid_texts::kIncompleteTitle,
                   platform::style::kIconExclamation | platform::style::kRightToLeftReading);
        return;
    }
    hide();
}

} // namespace pentarix
