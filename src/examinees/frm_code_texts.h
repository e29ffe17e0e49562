#pragma once

#include <QString>
#include <QStringList>

// The lookup window's own texts, as the operator reads them.
namespace pentarix::frm_code_texts {

inline const QString kCaption = QStringLiteral("کد آزمودني");
inline const QString kGridCaption = QStringLiteral("مشخصات آزمودني");
inline const QString kColumnCode = QStringLiteral("کد");
inline const QString kColumnFName = QStringLiteral("نام");
inline const QString kColumnLName = QStringLiteral("نام خانوادگي");
inline const QString kColumnGroup = QStringLiteral("گروه");
inline const QString kDataCombo6Label = QStringLiteral(" :نام ");
inline const QString kDataCombo1Label = QStringLiteral(" :نام خانوادگي");
inline const QString kCombo3Label = QStringLiteral(" :گروه");
inline const QString kFrame1Caption = QStringLiteral("حذف کردن آزمودني");
inline const QString kFrame1Label = QStringLiteral("کد آزمودني را وارد کنيد");
inline const QString kCommand2Caption = QStringLiteral("حذف ");
inline const QString kCommand1Caption = QStringLiteral("پرينت بر اساس گروه");
inline const QString kCommand6Caption = QStringLiteral("خروج");
inline const QString kNoCode = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
inline const QString kNotFound = QStringLiteral("فردي با اين کد وجود ندارد");
inline const QString kQuestion = QStringLiteral("آيا براي حذف کردن مطمئن هستيد؟");
inline const QString kDeleted = QStringLiteral("حذف با موفقيت انجام گرفت");
inline const QString kNoGroup = QStringLiteral("شما بايد گروه آزمودني مورد نظر را انتخاب كنيد");
inline const QStringList kGroups = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                                    QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G")};
inline const QString kErrorTitle = QStringLiteral("Error");
// The examinee had no answer sheet: the examinee's row was removed alone.
inline const QString kSheetMissing = QStringLiteral("پاسخنامه این آزمودنی در بانک اطلاعاتی نبود؛ مشخصات او حذف شد.");

} // namespace pentarix::frm_code_texts
