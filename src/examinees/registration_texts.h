#pragma once

#include <QString>

// What the registration of an examinee tells the operator.
namespace pentarix::registration_texts {

inline const QString kMissingText11 = QStringLiteral("کد آزمودني را وارد کنيد");
inline const QString kMissingText6 = QStringLiteral("نام آزمودني را وارد کنيد");
inline const QString kMissingText4 = QStringLiteral("نام خانوادگي آزمودني را وارد کنيد");
inline const QString kMissingText16 = QStringLiteral("جنسيت آزمودني را مشخص کنيد");
inline const QString kMissingText5 = QStringLiteral("سن آزمودني را وارد کنيد");
inline const QString kMissingText15 = QStringLiteral("وضعيت تاهل آزمودني را مشخص کنيد");
inline const QString kMissingText17 = QStringLiteral("گروه را مشخص کنيد");
inline const QString kMissingText7 = QStringLiteral("ميزان تحصيلات آزمودني را وارد کنيد");
inline const QString kCodeTaken = QStringLiteral("فردديگري با اين کد ثبت شده");
// Any other failure of the save: nothing was stored.
inline const QString kNotRegistered = QStringLiteral("آزمودنی ثبت نشد.");
inline const QString kDigitsOnly = QStringLiteral("شما بايد عدد وارد كنيد");

} // namespace pentarix::registration_texts
