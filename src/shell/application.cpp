#include "shell/application.h"

#include "data/data_error.h"
#include "data/data_store.h"
#include "data/sqlite.h"
#include "maintenance/backup.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/modal.h"
#include "shell/application_texts.h"
#include "shell/frm1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <exception>
#include <optional>

namespace pentarix {

namespace {

namespace texts = application_texts;

QString shown(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

QString causeOf(const sql::Error& error, const QString& path) {
    switch (error.primaryCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return texts::kLocked;
    case SQLITE_CORRUPT: return texts::kDamaged;
    case SQLITE_NOTADB: return texts::kNotADatabase;
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_AUTH: return texts::kNoPermission;
    case SQLITE_CANTOPEN:
        if (!QFileInfo(path).isReadable()) return texts::kNoPermission;
        return texts::kOtherCause;
    default: return texts::kOtherCause;
    }
}

// Reads the file's schema as every view will, so that a file the engine
// refuses (held locked by another program past the busy wait, damaged, not a
// database, not readable) is told by its cause in Persian; the engine's own
// words follow, isolated left to right. Nothing when the engine reads it.
std::optional<QString> engineRefusal(const QString& path) {
    // A missing file is named by the check that follows.
    if (!QFileInfo(path).isFile()) return std::nullopt;
    try {
        const auto connection = sql::Connection::open(QFile::encodeName(path).toStdString());
        sql::Statement read(connection, "SELECT count(*) FROM sqlite_master");
        read.step();
    } catch (const sql::Error& e) {
        return texts::kUnusable.arg(shown(path)) + QLatin1Char('\n') + causeOf(e, path) +
               QStringLiteral("\n\u2066") + QString::fromLocal8Bit(e.what()) + QStringLiteral("\u2069");
    }
    return std::nullopt;
}

// What went wrong after the engine first read the file: the check of the
// tables or the main window's views.
QString startFailureText(const QString& path, const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const DataError& e) {
        // The check's own text of an engine failure is the engine's English:
        // a lock or damage that came after the first read is named by reading
        // again.
        if (e.kind() == DataError::Kind::Unusable) {
            if (auto refusal = engineRefusal(path)) return *refusal;
        }
        if (e.description().contains(shown(path))) return e.description();
        return texts::kUnusable.arg(shown(path)) + QLatin1Char('\n') + e.description();
    } catch (...) {
        return texts::kUnusable.arg(shown(path)) + QLatin1Char('\n') + failureText(std::current_exception());
    }
}

} // namespace

void prepareApplication(QApplication& app) {
    fonts::startWarmup();
    // The desktop knows the program by this name (its window class). No
    // display name is set: Qt would append it to every window title, and the
    // windows and boxes carry exactly their own titles.
    QApplication::setApplicationName(QStringLiteral("pentarix"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pentarix"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setFont(fonts::nazanin(10, false));
    QLocale::setDefault(QLocale(QLocale::Persian, QLocale::Iran));
    // Every window that closes brings the operator back to the main window.
    setMainWindow([]() -> Form& { return form<Frm1>(); });
    // Standard buttons and file dialogs in Persian.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_fa"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

bool startApplication() {
    const QString path = DataStore::defaultPath();
    std::optional<QString> refusal = engineRefusal(path);
    if (!refusal) {
        try {
            DataStore::verify(path);
            Frm1& main = form<Frm1>();
            if (main.isUnloaded()) return false;
            // Leftovers of copies killed midway; a second copy, about to end,
            // leaves the folders alone.
            removeOwnLeftoverCopies();
            main.show();
            fonts::finishWarmup();
            return true;
        } catch (...) {
            refusal = startFailureText(path, std::current_exception());
        }
    }
    fonts::finishWarmup();
    platform::modal().messageBox(nullptr, *refusal, QString(),
                                 platform::style::kIconCritical | platform::style::kRightToLeftReading);
    return false;
}

} // namespace pentarix
