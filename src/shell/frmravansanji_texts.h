#pragma once

#include <QString>

// The questionnaire introduction window's fixed texts.
namespace pentarix::frmravansanji_texts {

inline const QString kCaption = QStringLiteral("معرفي پرسشنامه");
inline const QString kCommand1Caption = QStringLiteral("خروج");

// The scale's titles, in Persian and in English.
inline const QString kPersianTitle = QStringLiteral("آزمون 50 سؤالی پنج عامل بزرگ شخصیت، از مخزن بین‌المللی گویه‌های شخصیت (IPIP)");
inline const QString kEnglishTitle = QStringLiteral("The 50-Item Big-Five Factor Markers of the International Personality Item Pool (IPIP)");

} // namespace pentarix::frmravansanji_texts
