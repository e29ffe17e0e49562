#include "support/typing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace pentarix::test {

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? Qt::Key_0 + (c.unicode() - '0')
                        : c.isLetter() && c.unicode() < 128 ? Qt::Key_A + (c.toUpper().unicode() - 'A')
                                                            : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace pentarix::test
