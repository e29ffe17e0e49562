#pragma once

#include <QString>

// The scoring window's texts, as the operator reads them.
namespace pentarix::frmk_lid_texts {

inline const QString kCaption = QStringLiteral("کليد گذاري");
inline const QString kLabelCode = QStringLiteral(" :کد");
inline const QString kLabelFName = QStringLiteral(" :نام");
inline const QString kLabelLName = QStringLiteral(" :نام خانوادگي");
inline const QString kLabelJens = QStringLiteral(" :جنس");
inline const QString kLabelSen = QStringLiteral(" :سن");
inline const QString kLabelTaahol = QStringLiteral(" :وضعيت تاهل");
inline const QString kLabelTahsil = QStringLiteral(" :ميزان تحصيلات");
inline const QString kLabelDate = QStringLiteral(" :تاريخ");
inline const QString kLabelTime = QStringLiteral(" :ساعت");
inline const QString kCaptionE = QStringLiteral("برونگرايي");
inline const QString kCaptionA = QStringLiteral("توافق");
inline const QString kCaptionC = QStringLiteral("وظيفه شناسي");
inline const QString kCaptionES = QStringLiteral("ثبات هيجاني");
inline const QString kCaptionO = QStringLiteral("گشودگي به تجربه");
inline const QString kCommand1Caption = QStringLiteral("انتخاب آزمودني");
inline const QString kCommand6Caption = QStringLiteral("پرينت آزمودني انتخاب شده");
inline const QString kCommand3Caption = QStringLiteral("پرينت کل  آزمودني ها ");
inline const QString kCommand2Caption = QStringLiteral("راهنما");
inline const QString kCommand4Caption = QStringLiteral(" خروج");
inline const QString kCommand7Caption = QStringLiteral("خروج");
inline const QString kHelpLine1 = QStringLiteral("در اين قسمت از نرم افزار ابتدا روي انتخاب آزمودني ");
inline const QString kHelpLine2 = QStringLiteral("کليک کرده سپس کد آزمودني را وارد کنيد و دکمه ");
inline const QString kHelpLine3 = QStringLiteral("اينتر را فشار دهيد نتيجه آزمون نمايش داده و ذخيره ");
inline const QString kHelpLine4 = QStringLiteral("خواهد شد در صورتيکه تمايل داريد نتيجه آزمون را ");
inline const QString kHelpLine5 = QStringLiteral("پرينت بگيريد روي دکمه پرينت آزمودني انتخاب شده ");
inline const QString kHelpLine6 = QStringLiteral("کليک کنيد و در صورتيکه تمايل به پرينت نتيجه آزمون ");
inline const QString kHelpLine7 = QStringLiteral("کل آزمودنيها را داريد روي دکمه پرينت کل آزمودنيها کليک کنيد");
inline const QString kInputPrompt = QStringLiteral(" Enter Number ");
inline const QString kInputTitle = QStringLiteral(" کد آزمودني را وارد کنيد");
inline const QString kNoCode = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
inline const QString kNotFound = QStringLiteral("فردي با اين مشخصات وجود ندارد");
inline const QString kIncompleteTitle = QStringLiteral("خطا");
inline const QString kIncomplete = QStringLiteral("شما به سوالات زير پاسخ نداده ايد و تا به تمام سوالات پاسخ ندهيد نمي توانيد نمره گذاري را انجام دهيد");
inline const QString kScored = QStringLiteral("اطلاعات با موفقيت محاسبه و ذخيره شد");
inline const QString kPrintGuard = QStringLiteral("ابتدا روي انتخاب آزمودني کليک کرده سپس کد آزمودني را وارد کنيد بعد روي پرينت کليک کنيد ");

// Our own wording: an answer sheet whose examinee row is missing.
inline const QString kNoExamineeRow =
    QStringLiteral("پاسخنامه این کد پیدا شد ولی مشخصات آزمودنی با همین کد پیدا نشد؛ نمره‌ای محاسبه و ذخیره نشد.");
// Our own wording: the store failing under the window.
inline const QString kOpenFailed = QStringLiteral("صفحه کلید گذاری باز نشد.");
inline const QString kPrintFailed = QStringLiteral("نتیجه آزمودنی چاپ نشد.");

} // namespace pentarix::frmk_lid_texts
