#pragma once

#include <QString>

// The texts of the failure box that the handler boundary shows.
namespace pentarix::handlers_texts {

inline const QString kTitle = QStringLiteral("خطا");
inline const QString kUnexpected = QStringLiteral("خطای پیش‌بینی‌نشده‌ای رخ داد.");

} // namespace pentarix::handlers_texts
