#pragma once

#include <QString>

// What the operator reads when the program cannot start with its database.
namespace pentarix::application_texts {

// The file's path stays left to right inside the Persian line.
inline const QString kUnusable = QStringLiteral("فایل بانک اطلاعاتی قابل استفاده نیست:\n\u2066%1\u2069");
inline const QString kLocked =
    QStringLiteral("فایل در دست برنامه دیگری است و قفل شده است. آن برنامه را ببندید و دوباره امتحان کنید.");
inline const QString kDamaged = QStringLiteral("فایل آسیب دیده است.");
inline const QString kNotADatabase = QStringLiteral("این فایل، فایل بانک اطلاعاتی نیست.");
inline const QString kNoPermission = QStringLiteral("اجازه خواندن یا نوشتن این فایل نیست.");
inline const QString kOtherCause = QStringLiteral("بانک اطلاعاتی فایل را نپذیرفت.");

} // namespace pentarix::application_texts
