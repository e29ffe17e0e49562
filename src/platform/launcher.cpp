#include "platform/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace pentarix::platform {

namespace {
Launcher* installed = nullptr;
} // namespace

bool DesktopLauncher::startDetached(const QString& program) {
    // Looked up first: startDetached of a missing program reports failure
    // only after a fork, and the path lookup is cheap.
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) return false;
    return QProcess::startDetached(path, {});
}

bool DesktopLauncher::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

Launcher& launcher() {
    static DesktopLauncher desktop;
    return installed ? *installed : desktop;
}

void setLauncher(Launcher* launcher) { installed = launcher; }

const QStringList& calculatorPrograms() {
    static const QStringList programs = {
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),     QStringLiteral("qalculate-qt"),
        QStringLiteral("qalculate-gtk"),    QStringLiteral("galculator"), QStringLiteral("mate-calc"),
        QStringLiteral("xcalc")};
    return programs;
}

bool startCalculator() {
    for (const QString& program : calculatorPrograms()) {
        if (launcher().startDetached(program)) return true;
    }
    return false;
}

} // namespace pentarix::platform
