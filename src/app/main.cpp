#include "platform/handlers.h"
#include "shell/application.h"
#include "shell/frm1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pentarix::prepareApplication(app);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the main window and exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption exitWhenShown(
        QStringLiteral("exit-when-shown"),
        QStringLiteral("Exit as soon as the main window is shown; a box shown before is answered at once."));
    parser.addOption(screenshot);
    parser.addOption(exitWhenShown);
    parser.process(app);

    if (parser.isSet(exitWhenShown)) {
        // A box that stops the start (a database the program cannot use) is
        // answered as the operator would, so that the start runs to its end.
        auto* answerer = new QTimer(&app);
        QObject::connect(answerer, &QTimer::timeout, &app, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
            else if (QAbstractButton* escape = box->escapeButton()) escape->click();
        });
        answerer->start(100);
    }
    if (!pentarix::startApplication()) return 1;

    if (parser.isSet(exitWhenShown)) {
        QTimer::singleShot(0, &app, [] { QApplication::exit(0); });
    } else if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        // Give the window manager a moment to map and paint the window.
        QTimer::singleShot(1500, &app, [file] {
            bool saved = false;
            pentarix::runHandler(nullptr, [&] { saved = pentarix::form<pentarix::Frm1>().grab().save(file); });
            QApplication::exit(saved ? 0 : 2);
        });
    }
    return QApplication::exec();
}
