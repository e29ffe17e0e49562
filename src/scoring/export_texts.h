#pragma once

#include <QString>

// The texts of the export of the list of examinees.
namespace pentarix::export_texts {

// The preview's buttons.
inline const QString kExcel = QStringLiteral("خروجی اکسل");
inline const QString kExcelTip = QStringLiteral("خروجی فهرست در پرونده اکسل \u2066(.xlsx)\u2069");
inline const QString kCsv = QStringLiteral("خروجی CSV");
inline const QString kCsvTip = QStringLiteral("خروجی فهرست در پرونده متنی جداشده با ویرگول \u2066(.csv)\u2069");

// The export dialog.
inline const QString kDialogTitle = QStringLiteral("خروجی فهرست آزمودنی‌ها");
inline const QString kDialogIntro = QStringLiteral("چه چیزهایی در پرونده بیاید؟");
inline const QString kWithAnswers = QStringLiteral("با پاسخ‌ها");
inline const QString kWithoutNames = QStringLiteral("بدون نام");
inline const QString kContinue = QStringLiteral("ادامه");
inline const QString kCancel = QStringLiteral("انصراف");

// The save dialog.
inline const QString kSaveTitle = QStringLiteral("ذخیرهٔ خروجی فهرست");
inline const QString kExcelFilter = QStringLiteral("Excel (*.xlsx)");
inline const QString kCsvFilter = QStringLiteral("CSV (*.csv)");

// The column captions of our own wording; the rest are the list's captions.
inline const QString kFirstName = QStringLiteral("نام");
inline const QString kLastName = QStringLiteral("نام خانوادگی");
inline const QString kDate = QStringLiteral("تاریخ");
inline const QString kTime = QStringLiteral("ساعت");
inline const QString kItemColumn = QStringLiteral("سؤال %1");

// The sheets.
inline const QString kExamineesSheet = QStringLiteral("آزمودنی‌ها");
inline const QString kItemsSheet = QStringLiteral("سؤال‌ها");
inline const QString kItemNumber = QStringLiteral("شماره");
inline const QString kItemFactor = QStringLiteral("عامل");
inline const QString kItemDirection = QStringLiteral("جهت");
inline const QString kItemText = QStringLiteral("متن سؤال");
inline const QString kForward = QStringLiteral("مستقیم");
inline const QString kReversed = QStringLiteral("معکوس");

// When the file cannot be made.
inline const QString kFailedTitle = QStringLiteral("خروجی فهرست");
inline const QString kFailed = QStringLiteral("پرونده خروجی ساخته نشد.");
inline const QString kFolderNotWritable = QStringLiteral("در این پوشه نمی‌توان پرونده نوشت؛ پوشهٔ دیگری برگزینید.");
inline const QString kDiskFull = QStringLiteral("جای خالی دیسک برای این پرونده کافی نیست.");
inline const QString kTargetBusy =
    QStringLiteral("پرونده‌ای با این نام جایگزین نمی‌شود؛ شاید در برنامهٔ دیگری باز است یا پوشه است.");
inline const QString kWriteFailed = QStringLiteral("نوشتن پرونده کامل نشد.");
inline const QString kNoList = QStringLiteral("فهرست دیگر در دسترس نیست؛ گزارش را دوباره باز کنید.");
inline const QString kNoPartialLeft = QStringLiteral("پرونده‌ای نیمه‌کاره در آن پوشه نماند.");

} // namespace pentarix::export_texts
