#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Starting other programs and opening web pages. The program never waits for
// what it starts. Production asks the desktop; tests install a recorder.
namespace pentarix::platform {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program found on the search path, without waiting for it;
    // false when there is no such program or it could not be started.
    virtual bool startDetached(const QString& program) = 0;
    // Opens a web address in the default browser; false when nothing opened it.
    virtual bool openUrl(const QUrl& url) = 0;
};

class DesktopLauncher final : public Launcher {
public:
    bool startDetached(const QString& program) override;
    bool openUrl(const QUrl& url) override;
};

Launcher& launcher();
// Installs a launcher; nullptr puts the desktop back. The caller keeps ownership.
void setLauncher(Launcher* launcher);

// The desktop calculators, in the order they are tried.
const QStringList& calculatorPrograms();
// Starts the first calculator that starts; false when none did.
bool startCalculator();

} // namespace pentarix::platform
