#pragma once

class QWidget;

namespace pentarix {

// One examinee's test run: asks for the code, opens the test window on that
// examinee's answer sheet and waits for it to close, then leaves the window
// loaded at the start screen the next examinee meets. An empty or unknown
// code, or a file the window cannot read, is told over `owner`.
void runTest(QWidget* owner);

} // namespace pentarix
