#pragma once

#include <QString>

// Texts of the main window's settings and information buttons that the
// program adds of its own.
namespace pentarix::frm1_settings_texts {

inline const QString kNoCalculator = QStringLiteral("ماشین حسابی روی این رایانه پیدا نشد.");
inline const QString kNoBrowser = QStringLiteral("مرورگر وبی روی این رایانه پیدا نشد.");

} // namespace pentarix::frm1_settings_texts
