#include "maintenance/exit_handover.h"

#include "platform/modal.h"

namespace pentarix {

// Until the exit dialog exists, closing the main window ends the program.
void showExitDialog(int, int) { platform::modal().endApplication(0); }

} // namespace pentarix
