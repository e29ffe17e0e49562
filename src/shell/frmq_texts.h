#pragma once

#include <QString>

// The item booklet window's fixed texts.
namespace pentarix::frmq_texts {

inline const QString kCaption = QStringLiteral("سوالات");
inline const QString kBookletFile = QStringLiteral("Big five 50 Persian.pdf");

// Shown inside the window, above the file's name, when the booklet cannot be shown.
inline const QString kBookletMissing = QStringLiteral("دفترچهٔ سؤال‌ها در پوشهٔ برنامه پیدا نشد یا خوانده نمی‌شود:");

// Shown instead when the program's PDF viewer itself cannot be loaded.
inline const QString kViewerMissing = QStringLiteral("نمایشگر PDF برنامه بارگذاری نشد. دفترچهٔ سؤال‌ها را با برنامهٔ دیگری باز کنید:");

} // namespace pentarix::frmq_texts
