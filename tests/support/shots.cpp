#include "support/shots.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace pentarix::test {

void saveShot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("PENTARIX_SHOTS");
    if (folder.isEmpty() || !window) return;
    QDir().mkpath(folder);
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace pentarix::test
