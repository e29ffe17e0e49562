#pragma once

class QApplication;

namespace pentarix {

// Sets the application up for Persian, right to left.
void prepareApplication(QApplication& app);

// Checks the database file and shows the main window. Returns false after
// telling the operator why the program cannot start.
bool startApplication();

} // namespace pentarix
