// The smallest Qt Widgets programs that show a window and exit once it is
// shown: the yardsticks for the program's own start. With --text the window
// shows one line of Persian text, so it pays the font scan and shaping that
// any program showing text pays.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(713, 579);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* label = new QLabel(QStringLiteral("ثبت نام آزمودنی"), &window);
        QFont font(QStringLiteral("Nazli"));
        font.setPointSize(12);
        font.setBold(true);
        label->setFont(font);
        label->move(560, 40);
    }
    window.show();
    QTimer::singleShot(0, &app, [] { QApplication::exit(0); });
    return QApplication::exec();
}
