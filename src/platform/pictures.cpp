#include "platform/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace pentarix::platform {

QPixmap picture(const QString& name) {
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    if (!renderer.isValid()) return QPixmap();
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace pentarix::platform
