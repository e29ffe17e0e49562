#pragma once

#include <QString>

class QWidget;

namespace pentarix::test {

// Saves a picture of a window as the operator would see it when the
// environment names a folder for them (PENTARIX_SHOTS=/some/folder); does
// nothing otherwise. For looking at windows while they are built.
void saveShot(QWidget* window, const QString& name);

} // namespace pentarix::test
