#pragma once

#include <QString>

// The test window's texts, as the operator and the examinee read them.
namespace pentarix::frm_test_texts {

// The window.
inline const QString kCaption = QStringLiteral("صفحه اجراي تست");

// Identification panel: the blank and the colon lead each caption.
inline const QString kSkinLblCaption = QStringLiteral(" :کد");
inline const QString kSkinLabel1Caption = QStringLiteral(" :نام");
inline const QString kSkinLabel2Caption0 = QStringLiteral(" :نام خانوادگي");
inline const QString kSkinLabel2Caption1 = QStringLiteral(" :جنس");
inline const QString kSkinLabel2Caption2 = QStringLiteral(" :سن");
inline const QString kSkinLabel2Caption3 = QStringLiteral(" :وضعيت تاهل");
inline const QString kSkinLabel2Caption4 = QStringLiteral(" :ميزان تحصيلات");
inline const QString kSkinLabel2Caption5 = QStringLiteral(" :تاريخ");
inline const QString kSkinLabel2Caption6 = QStringLiteral(" :ساعت");

// Start screen.
inline const QString kTitleSecondLine = QStringLiteral("( 50ماده اي)");

// Buttons.
inline const QString kCmdBackCaption = QStringLiteral("قبلي");
inline const QString kCmdNextCaption = QStringLiteral("بعدي");
inline const QString kCommand1Caption = QStringLiteral("شروع");
inline const QString kCommand5Caption = QStringLiteral("ذخيره و خروج");
inline const QString kCommand2Caption = QStringLiteral("خروج");

// The five options; trailing blanks belong to the captions.
inline const QString kOption1Caption = QStringLiteral("عمدتاً نادرست       ");
inline const QString kOption2Caption = QStringLiteral("تا حدودي نادرست");
inline const QString kOption3Caption = QStringLiteral("نه درست و نه نادرست ");
inline const QString kOption4Caption = QStringLiteral("تا حدودي درست");
inline const QString kOption5Caption = QStringLiteral("عمدتاً درست");

// Instructions and the legend of the options.
inline const QString kInstructions = QStringLiteral("عبارتهاي 1 - 50 : اين قسمت از عبارتهايي تشكيل شده است كه رفتار افراد را توصيف مي كند با انتخاب يكي از گزينه هاي زير در پاسخنامه مشخص كنيد كه هر يك تا چه حدي شما را به درستي توصيف مي كند  سعي كنيد صفات خود را به صورتي كه واقعاً هست و با صداقت توصيف كنيد پاسخ خود را براساس ارزيابي كلي خودتان به همان صورتي كه در حال حاضر هستيد انتخاب كنيد  نه به صورتي كه دوست داريد در آينده باشيد پاسخهاي شما كاملاً محرمانه مي ماند بنابراين شما مي توانيد با صداقت و آرامش كامل خود را توصيف كنيد به همه سؤالات پاسخ دهيد و وقت زيادي را روي يك عبارت صرف نكنيد");
inline const QString kLegend = QStringLiteral("الف - عمدتاً نادرست  ب ـ تا حدودي نادرست   ج ـ نه درست و نه نادرست    د -  تاحدودي درست    هـ - عمدتاً درست");

// Opening a test from the main window.
inline const QString kCodeBoxTitle = QStringLiteral("Enter Code ");
inline const QString kCodeBoxPrompt = QStringLiteral(" Plese Insert Code ");
inline const QString kCodeMissing = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
inline const QString kCodeNotFound = QStringLiteral("فردي با اين مشخصات وجود ندارد");

// Item steps and key filters.
inline const QString kBeforeFirst = QStringLiteral("شروع");
inline const QString kAfterLast = QStringLiteral("پايان");
inline const QString kDigitsOnly = QStringLiteral("شما بايد عدد وارد كنيد");

// Texts of our own.
// The first line of the title: the name of the scale.
inline const QString kTitleFirstLine = QStringLiteral("مقیاس پنج عاملی شخصیت");
inline const QString kErrorTitle = QStringLiteral("خطا");
// A save that the store refused; the store's own description follows.
inline const QString kSaveFailed =
    QStringLiteral("پاسخ‌ها ذخیره نشد. پاسخ‌هایی که پیش‌تر ذخیره شده‌اند دست نخورده‌اند.");
// The test window could not open its views; the store's description follows.
inline const QString kOpenFailed = QStringLiteral("صفحه اجرای تست باز نشد.");
// How many items the sheet on screen answers, then how many there are.
inline const QString kAnsweredCount = QStringLiteral("پاسخ داده شده: %1 از %2");

} // namespace pentarix::frm_test_texts
