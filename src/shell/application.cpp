#include "shell/application.h"

#include "data/data_error.h"
#include "data/data_store.h"
#include "maintenance/backup.h"
#include "platform/fonts.h"
#include "platform/modal.h"
#include "shell/frm1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pentarix {

void prepareApplication(QApplication& app) {
    fonts::startWarmup();
    QApplication::setApplicationName(QStringLiteral("pentarix"));
    QApplication::setApplicationDisplayName(platform::applicationTitle());
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setFont(fonts::nazanin(10, false));
    QLocale::setDefault(QLocale(QLocale::Persian, QLocale::Iran));
    // Standard buttons and file dialogs in Persian.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_fa"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

bool startApplication() {
    try {
        DataStore::verify(DataStore::defaultPath());
    } catch (const DataError& e) {
        fonts::finishWarmup();
        platform::modal().messageBox(nullptr, e.description(), QString(),
                                     platform::style::kIconCritical | platform::style::kRightToLeftReading);
        return false;
    }
    Frm1& main = form<Frm1>();
    if (main.isUnloaded()) return false;
    // Leftovers of copies killed midway; a second copy, about to end, leaves
    // the folders alone.
    removeOwnLeftoverCopies();
    main.show();
    fonts::finishWarmup();
    return true;
}

} // namespace pentarix
