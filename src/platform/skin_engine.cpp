#include "platform/skin_engine.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <vector>

SkinLabel::SkinLabel(QWidget* parent) : QLabel(parent) {}

SkinLabel::SkinLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

// QLabel reads plain text in the direction of its first letter. A label given
// a left-to-right layout on purpose (a caption stored colon first, " :نام")
// is drawn left to right, so that its colon follows the name.
void SkinLabel::paintEvent(QPaintEvent* event) {
    const bool leftToRight = testAttribute(Qt::WA_SetLayoutDirection) && layoutDirection() == Qt::LeftToRight;
    if (!leftToRight || textFormat() == Qt::RichText || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    const QRect place = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int flags = static_cast<int>(QStyle::visualAlignment(Qt::LeftToRight, alignment())) | Qt::TextForceLeftToRight;
    if (wordWrap()) flags |= Qt::TextWordWrap;
    style()->drawItemText(&painter, place, flags, option.palette, isEnabled(), text(), foregroundRole());
}

namespace pentarix {

std::optional<SkinFile> SkinFile::parse(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    const qsizetype separator = text.indexOf(QRegularExpression(QStringLiteral("^---[ \\t]*$"),
                                                                QRegularExpression::MultilineOption));
    if (separator < 0) return std::nullopt;
    const QStringList header = text.left(separator).split(QLatin1Char('\n'));
    if (header.isEmpty() || header.first().trimmed() != QLatin1String(kMagic)) return std::nullopt;

    SkinFile skin;
    std::vector<std::pair<QString, QString>> values;
    for (const QString& line : header.mid(1)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0) continue;
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        if (key.startsWith(QLatin1Char('@'))) {
            values.emplace_back(key, value);
        } else if (key.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0) {
            skin.name = value;
        }
    }
    QString sheet = text.mid(text.indexOf(QLatin1Char('\n'), separator) + 1);
    // Longer names first, so @accentDark is not read as @accent followed by "Dark".
    std::sort(values.begin(), values.end(),
              [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    for (const auto& [key, value] : values) sheet.replace(key, value);
    if (sheet.trimmed().isEmpty()) return std::nullopt;
    skin.styleSheet = sheet;
    return skin;
}

SkinEngine::SkinEngine(QObject* parent) : QObject(parent) { setObjectName(QStringLiteral("Skin1")); }

void SkinEngine::LoadSkinFile(const QString& fileName) {
    skin_.reset();
    loadedFile_.clear();
    QFile file(QDir::current().filePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) return;
    // Skin files are small; a huge one is not a skin.
    if (file.size() > 4 * 1024 * 1024) return;
    skin_ = SkinFile::parse(file.readAll());
    if (skin_) loadedFile_ = fileName;
}

void SkinEngine::ApplySkinToWindow(QWidget* window) {
    if (!window) return;
    // A plain widget window paints a skin's background picture only when asked to.
    window->setAttribute(Qt::WA_StyledBackground, true);
    window->setStyleSheet(styleSheet());
}

} // namespace pentarix
