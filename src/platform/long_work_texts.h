#pragma once

#include <QString>

// The progress window's own texts.
namespace pentarix::long_work_texts {

inline const QString kTitle = QStringLiteral("لطفاً صبر کنید");
inline const QString kCancel = QStringLiteral("انصراف");
inline const QString kCancelling = QStringLiteral("در حال انصراف…");
// Units done of all units, in plain digits.
inline const QString kDoneOf = QStringLiteral("%1 از %2");

} // namespace pentarix::long_work_texts
