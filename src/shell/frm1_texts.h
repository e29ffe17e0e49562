#pragma once

#include <QString>
#include <QStringList>

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

// Theme panel.
inline const QString kCommand45Caption = QStringLiteral(" تم شماره 1");
inline const QString kCommand44Caption = QStringLiteral("تم شماره 2");
inline const QString kCommand43Caption = QStringLiteral("تم شماره 3");
inline const QString kCommand42Caption = QStringLiteral("تم شماره 4");
inline const QString kCommand50Caption = QStringLiteral(" تم شماره 5");
inline const QString kCommand49Caption = QStringLiteral("تم شماره 6");
inline const QString kCommand48Caption = QStringLiteral("تم شماره 7");
inline const QString kCommand47Caption = QStringLiteral("تم شماره 8");
inline const QString kCommand41Caption = QStringLiteral("تم شماره 9");
inline const QString kCommand52Caption = QStringLiteral("تم شماره 10 ");
inline const QString kCommand53Caption = QStringLiteral("تم شماره 11");
inline const QString kCommand46Caption = QStringLiteral("خروج");

// Registration panel.
inline const QString kSkinLblCaption = QStringLiteral(" :کد");
inline const QString kSkinLabel3Caption = QStringLiteral(" :نام");
inline const QString kSkinLabel21_0Caption = QStringLiteral(" :نام خانوادگي");
inline const QString kSkinLabel21_3Caption = QStringLiteral(" :سن");
inline const QString kSkinLabel21_4Caption = QStringLiteral(" :تاهل");
inline const QString kSkinLabel21_6Caption = QStringLiteral(" :تاريخ");
inline const QString kSkinLabel21_2Caption = QStringLiteral(" :جنس");
inline const QString kSkinLabel21_1Caption = QStringLiteral(" :گروه");
inline const QString kSkinLabel21_5Caption = QStringLiteral(" :تحصيلات");
inline const QString kSkinLabel21_7Caption = QStringLiteral(" :ساعت");
inline const QString kCommand8Caption = QStringLiteral("ذخيره");
inline const QString kCommand10Caption = QStringLiteral("انصراف");
inline const QStringList kCombo1Items = {QStringLiteral("مجرد"), QStringLiteral("متأهل")};
inline const QStringList kCombo2Items = {QStringLiteral("مرد"), QStringLiteral("زن")};
inline const QStringList kCombo3Items = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G")};

} // namespace pentarix::frm1_texts
