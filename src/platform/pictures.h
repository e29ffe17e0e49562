#pragma once

#include <QPixmap>
#include <QString>

namespace pentarix::platform {

// A picture of the program's own artwork, drawn from its SVG at its natural
// size; a null pixmap when there is no such picture.
QPixmap picture(const QString& name);

} // namespace pentarix::platform
