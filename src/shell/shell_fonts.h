#pragma once

#include <QFont>
#include <QStringList>

namespace pentarix::shell_fonts {

// "Arial" for Persian captions: Latin letters from a Latin sans face and
// Persian ones from Nazli, whose letters are about as wide as the designed
// face's; the wider fallback faces overflow the designed label widths.
inline QFont arial(double points, bool bold = true) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans"), QStringLiteral("Nazli"),
                     QStringLiteral("Noto Sans Arabic")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace pentarix::shell_fonts
