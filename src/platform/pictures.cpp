#include "platform/pictures.h"

namespace pentarix::platform {

QPixmap picture(const QString& name) { return QPixmap(QStringLiteral(":/pictures/%1.png").arg(name)); }

} // namespace pentarix::platform
