#include "platform/fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QStringList>

#include <memory>
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

QFont nazanin(double points, bool bold) { return make({QStringLiteral("Nazli"), kFallback}, points, bold); }

// Titr has no Latin letters; digits and Latin text fall back.
QFont titr(double points, bool bold) { return make({QStringLiteral("Titr"), kFallback}, points, bold); }

QFont mitra(double points, bool bold) { return make({QStringLiteral("FreeFarsi"), kFallback}, points, bold); }

QFont arial(double points, bool bold) {
    return make({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Nazli"),
                 kFallback},
                points, bold);
}

namespace {
std::unique_ptr<std::thread>& warmer() {
    static std::unique_ptr<std::thread> thread;
    return thread;
}
} // namespace

void startWarmup() {
    if (warmer() || !QCoreApplication::instance()) return;
    warmer() = std::make_unique<std::thread>([] { QFontDatabase::families(); });
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, QCoreApplication::instance(),
                     &finishWarmup);
}

void finishWarmup() {
    if (warmer() && warmer()->joinable()) warmer()->join();
}

} // namespace pentarix::fonts
