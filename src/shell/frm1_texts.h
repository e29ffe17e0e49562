#pragma once

#include <QString>

// The main window's own texts, as the operator reads them.
namespace pentarix::frm1_texts {

inline const QString kCommand1Caption = QStringLiteral("ثبت نام آزمودني");
inline const QString kCommand1Hint = QStringLiteral(" شما بايد هر آزمودني را ابتدا ثبت نام کرده و سپس روي دکمه اجراي تست کليک کرده و کد آزمودني را وارد کنيد");
inline const QString kCommand2Caption = QStringLiteral("اجراي تست");
inline const QString kCommand2Hint = QStringLiteral(" جهت جواب دادن به سؤالها روي اين دکمه کليک کنيد و کد آزمودني مورد نظر را وارد کنيد ");
inline const QString kCommand3Caption = QStringLiteral("کليد گذاري");
inline const QString kCommand3Hint = QStringLiteral(" جهت کليد گذاري روي اين دکمه کليک مي کنيد");
inline const QString kCommand4Caption = QStringLiteral("نمايش کد آزمودني");
inline const QString kCommand4Hint = QStringLiteral(" درصورتيکه کد آزمودني را فراموش کرده ايد با کليک بر روي  اين قسمت مي توانيد آن را بدست بياوريد");
inline const QString kCommand11Caption = QStringLiteral("معرفي پرسشنامه");
inline const QString kCommand5Caption = QStringLiteral("ماشين حساب");
inline const QString kCommand13Caption = QStringLiteral("مشاهده سوالات");
inline const QString kCommand9Caption = QStringLiteral("تنظيمات");
inline const QString kCommand9Hint = QStringLiteral("با کليک بر روي اين دکمه شمامي توانيد:1- تم برنامه را عوض کنيد 2- نام و آدرس کلينيک را وارد کنيد");
inline const QString kCommand12Caption = QStringLiteral("درباره ما");
inline const QString kCommand6Caption = QStringLiteral("خروج");
inline const QString kVersion = QStringLiteral("V.2.1");
inline const QString kAlreadyRunning = QStringLiteral("برنامه در حال اجراست");
inline const QString kAlreadyRunningTitle = QStringLiteral("Warnnig");
inline const QString kPicture1Tip = QStringLiteral("جهت ورود به سايت کليک کنيد");
inline const QString kCommand68Caption = QStringLiteral("تغيير تم برنامه");
inline const QString kCommand67Caption = QStringLiteral(" تعريف نام کلينيک");
inline const QString kCommand69Caption = QStringLiteral("خروج");
inline const QString kSkinLabel4Caption = QStringLiteral(" :نام");
inline const QString kSkinLabel5Caption = QStringLiteral(" :آدرس");
inline const QString kCommand64Caption = QStringLiteral("ذخيره ");
inline const QString kCommand7Caption = QStringLiteral("انصراف");

} // namespace pentarix::frm1_texts
