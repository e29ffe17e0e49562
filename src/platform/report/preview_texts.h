#pragma once

#include <QString>

// The preview's own texts.
namespace pentarix::report::preview_texts {

inline const QString kPrint = QStringLiteral("چاپ");
inline const QString kPrintTip = QStringLiteral("چاپ گزارش (Ctrl+P)");
inline const QString kPdf = QStringLiteral("ذخیره PDF");
inline const QString kPdfTip = QStringLiteral("ذخیره گزارش در فایل PDF");
inline const QString kPdfDialogTitle = QStringLiteral("ذخیره گزارش در فایل PDF");
inline const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
inline const QString kPdfFailedTitle = QStringLiteral("خطا");
inline const QString kPdfFailed = QStringLiteral("فایل PDF نوشته نشد:");
inline const QString kPrintFailed = QStringLiteral("گزارش به چاپگر فرستاده نشد.");
inline const QString kPdfProgress = QStringLiteral("صفحه‌های گزارش در فایل PDF نوشته می‌شود.");
inline const QString kPrintProgress = QStringLiteral("صفحه‌های گزارش به چاپگر فرستاده می‌شود.");
inline const QString kZoomIn = QStringLiteral("بزرگ‌تر");
inline const QString kZoomOut = QStringLiteral("کوچک‌تر");
inline const QString kFit = QStringLiteral("هم‌عرض پنجره");
inline const QString kFirst = QStringLiteral("صفحه اول");
inline const QString kPrevious = QStringLiteral("صفحه قبل");
inline const QString kNext = QStringLiteral("صفحه بعد");
inline const QString kLast = QStringLiteral("صفحه آخر");
inline const QString kPage = QStringLiteral("صفحه");
inline const QString kOf = QStringLiteral("از %1");
inline const QString kClose = QStringLiteral("بستن");

} // namespace pentarix::report::preview_texts
