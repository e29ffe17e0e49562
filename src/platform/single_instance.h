#pragma once

#include <QString>

namespace pentarix::platform {

// Tells whether another running copy of the program, started from the same
// application folder, holds the instance lock. The first call takes the lock
// when it is free and keeps it for the life of the process, so later calls
// from this process answer false. A lock left by a crashed or killed copy
// is recognised as stale and taken over.
bool anotherCopyIsRunning();

// Where the lock of the application folder lives.
QString instanceLockPath(const QString& applicationFolder);

} // namespace pentarix::platform
