#include "platform/key_press.h"

#include "platform/handlers.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace pentarix {

namespace {

class KeyPressFilter final : public QObject {
public:
    KeyPressFilter(QWidget* widget, std::function<void(int&)> handler)
        : QObject(widget), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        int keyAscii = keyAsciiOf(static_cast<QKeyEvent*>(event));
        if (keyAscii < 0) return false;
        runHandler(parent(), [&] { handler_(keyAscii); });
        return keyAscii == 0;
    }

private:
    std::function<void(int&)> handler_;
};

} // namespace

int keyAsciiOf(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    default: break;
    }
    const QString text = event->text();
    if (text.isEmpty() || text[0].unicode() < 32 || text[0].unicode() == 127) return -1;
    return text[0].unicode();
}

void onKeyPress(QWidget* widget, std::function<void(int&)> handler) {
    widget->installEventFilter(new KeyPressFilter(widget, std::move(handler)));
}

} // namespace pentarix
