#include "platform/fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

#include <thread>

namespace pentarix::fonts {

namespace {

QFont make(const QStringList& families, double points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

const QString kFallback = QStringLiteral("Noto Sans Arabic");

} // namespace

// Nazli and FreeFarsi carry Persian and Latin letters alike, so they name no
// fallback of their own: a named fallback makes the font engine read the
// system's fallback list as soon as each face is first used, a cost paid
// before the first window appears; without one, that list is read only for
// a character the face lacks.
QFont nazanin(double points, bool bold) { return make({QStringLiteral("Nazli")}, points, bold); }

// Titr has no Latin letters; digits and Latin text fall back.
QFont titr(double points, bool bold) { return make({QStringLiteral("Titr"), kFallback}, points, bold); }

QFont mitra(double points, bool bold) { return make({QStringLiteral("FreeFarsi")}, points, bold); }

QFont arial(double points, bool bold) {
    return make({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Nazli"),
                 kFallback},
                points, bold);
}

QFont boxes() { return nazanin(12, true); }

QFont dialogs() { return nazanin(12, false); }

void setDialogFont(QWidget& dialog, const QFont& font) {
    dialog.setFont(font);
    for (QWidget* control : dialog.findChildren<QWidget*>()) control->setFont(font);
}

namespace {
struct Warmer {
    std::thread thread;
    ~Warmer() {
        if (thread.joinable()) thread.join();
    }
};
Warmer& warmer() {
    static Warmer instance;
    return instance;
}
} // namespace

void startWarmup() {
    if (warmer().thread.joinable() || !QCoreApplication::instance()) return;
    warmer().thread = std::thread([] { QFontDatabase::families(); });
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, QCoreApplication::instance(),
                     &finishWarmup);
}

void finishWarmup() {
    if (warmer().thread.joinable()) warmer().thread.join();
}

} // namespace pentarix::fonts
