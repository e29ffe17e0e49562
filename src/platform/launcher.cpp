#include "platform/launcher.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace pentarix::platform {

namespace {
Launcher* installed = nullptr;

// Browsers the desktop's opener falls back on: Debian's alternatives first.
// Text browsers are left out, as they show nothing on a desktop.
const QStringList& browserPrograms() {
    static const QStringList programs = {
        QStringLiteral("x-www-browser"), QStringLiteral("gnome-www-browser"), QStringLiteral("firefox"),
        QStringLiteral("firefox-esr"),   QStringLiteral("chromium"),          QStringLiteral("google-chrome"),
        QStringLiteral("epiphany"),      QStringLiteral("konqueror"),         QStringLiteral("falkon")};
    return programs;
}

// A program registered for web addresses in the desktop's cache of handlers
// (browsers installed outside the search path, such as Flatpak ones).
bool webHandlerRegistered() {
    const QStringList caches =
        QStandardPaths::locateAll(QStandardPaths::ApplicationsLocation, QStringLiteral("mimeinfo.cache"));
    for (const QString& path : caches) {
        QFile cache(path);
        if (!cache.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
        while (!cache.atEnd()) {
            const QByteArray line = cache.readLine().trimmed();
            if (line.startsWith("x-scheme-handler/http") && line.contains('=') && !line.endsWith('=')) return true;
        }
    }
    return false;
}

// The desktop's opener hands a web address to a browser without telling
// whether one was there; asked first, the operator can be told.
bool browserInstalled() {
    if (!qEnvironmentVariableIsEmpty("BROWSER")) return true;
    for (const QString& program : browserPrograms()) {
        if (!QStandardPaths::findExecutable(program).isEmpty()) return true;
    }
    return webHandlerRegistered();
}
} // namespace

bool DesktopLauncher::startDetached(const QString& program) {
    // Looked up first: startDetached of a missing program reports failure
    // only after a fork, and the path lookup is cheap.
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) return false;
    return QProcess::startDetached(path, {});
}

bool DesktopLauncher::openUrl(const QUrl& url) {
    const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (web && !browserInstalled()) return false;
    return QDesktopServices::openUrl(url);
}

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
