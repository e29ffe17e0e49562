#include "maintenance/exit_handover.h"

#include "maintenance/exitpro.h"
#include "platform/twips.h"

namespace pentarix {

void showExitDialog(int left, int top) {
    exitpro& dialog = form<exitpro>();
    dialog.show();
    twips::moveWindow(&dialog, left, top);
}

} // namespace pentarix
