#include "shell/application.h"
#include "shell/frm1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pentarix::prepareApplication(app);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the main window and exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption exitWhenShown(QStringLiteral("exit-when-shown"),
                                           QStringLiteral("Exit as soon as the main window is shown."));
    parser.addOption(screenshot);
    parser.addOption(exitWhenShown);
    parser.process(app);

    if (!pentarix::startApplication()) return 1;

    if (parser.isSet(exitWhenShown)) {
        QTimer::singleShot(0, &app, [] { QApplication::exit(0); });
    } else if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        // Give the window manager a moment to map and paint the window.
        QTimer::singleShot(1500, &app, [file] {
            const bool saved = pentarix::form<pentarix::Frm1>().grab().save(file);
            QApplication::exit(saved ? 0 : 2);
        });
    }
    return QApplication::exec();
}
