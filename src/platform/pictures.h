#pragma once

#include <QPixmap>
#include <QString>

namespace pentarix::platform {

// A picture of the program's own artwork, rendered from its SVG at build
// time; a null pixmap when there is no such picture.
QPixmap picture(const QString& name);

} // namespace pentarix::platform
