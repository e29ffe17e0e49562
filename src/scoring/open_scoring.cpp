#include "common/messages.h"
#include "data/data_error.h"
#include "platform/modal.h"
#include "scoring/frmk_lid.h"
#include "scoring/frmk_lid_texts.h"

namespace pentarix {

bool openScoring(QWidget* owner) {
    try {
        form<FrmkLID>().show();
    } catch (const DataError& e) {
        MessageBox(owner, frmk_lid_texts::kOpenFailed + QLatin1Char('\n') + e.description(),
                   frmk_lid_texts::kIncompleteTitle,
                   platform::style::kIconExclamation | platform::style::kRightToLeftReading);
        return false;
    }
    return true;
}

} // namespace pentarix
