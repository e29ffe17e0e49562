#pragma once

#include <QString>

// The questionnaire introduction window's fixed texts.
namespace pentarix::frmravansanji_texts {

inline const QString kCaption = QStringLiteral("معرفي پرسشنامه");
inline const QString kCommand1Caption = QStringLiteral("خروج");

// The scale's titles, in Persian and in English: the 50-item Big-Five
// markers of the International Personality Item Pool, called after Lewis R.
// Goldberg.
inline const QString kPersianTitle = QStringLiteral("مقیاس 50 سؤالی پنج عامل بزرگ شخصیت گلدبرگ");
inline const QString kEnglishTitle = QStringLiteral("Goldberg's 50-Item Big-Five Factor Markers (IPIP)");

} // namespace pentarix::frmravansanji_texts
