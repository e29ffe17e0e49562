#include "common/theme.h"

#include "common/val.h"
#include "platform/skin_engine.h"

#include <array>

namespace pentarix {

QString skinFileOfTheme(double themeNumber) {
    static const std::array<const char*, 11> files = {
        "chizh.skn",  "Green.skn",      "galaxy.skn",   "_temp.skn", "B-Studio.skn",  "Mac.skn",
        "O-Universe.skn", "metallic.skn", "Paper.skn", "winaqua.skn", "office2007.skn"};
    for (int n = 1; n <= 11; ++n) {
        if (themeNumber == n) return QString::fromLatin1(files[static_cast<std::size_t>(n - 1)]);
    }
    return QString();
}

void ApplyTheme(QWidget* window, SkinEngine& skin, const QString& themeText) {
    const QString file = skinFileOfTheme(Val(themeText));
    if (!file.isEmpty()) skin.LoadSkinFile(file);
    skin.ApplySkinToWindow(window);
}

} // namespace pentarix
