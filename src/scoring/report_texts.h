#pragma once

#include <QString>

// The fixed texts of the result sheet and of the list of examinees.
namespace pentarix::report_texts {

// The result sheet.
inline const QString kR1Label2 = QStringLiteral("کد");
inline const QString kR1Label7 = QStringLiteral("گروه");
inline const QString kR1Label10 = QStringLiteral("سن");
inline const QString kR1Label6 = QStringLiteral("جنس");
inline const QString kR1Label4 = QStringLiteral("تاهل");
inline const QString kR1Label3 = QStringLiteral("تحصيلات");
inline const QString kR1Label11 = QStringLiteral(" برونگرايي");
inline const QString kR1Label13 = QStringLiteral("توافق");
inline const QString kR1Label12 = QStringLiteral("وظيفه شناسي");
inline const QString kR1Label17 = QStringLiteral("ثبات هيجاني");
inline const QString kR1Label18 = QStringLiteral("گشودگي به تجربه");
inline const QString kR1Label9 = QStringLiteral("آدرس");

// The list of examinees.
inline const QString kListTitleStart = QStringLiteral("گزارش نتيجه تست مقياس 5 عامل بزرگ شخصيت");
inline const QString kListLabel5 = QStringLiteral("رديف");
inline const QString kListLabel2 = QStringLiteral("کد");
inline const QString kListLabel7 = QStringLiteral("گروه");
inline const QString kListLabel10 = QStringLiteral("سن");
inline const QString kListLabel6 = QStringLiteral("جنس");
inline const QString kListLabel4 = QStringLiteral("تاهل");
inline const QString kListLabel1 = QStringLiteral("تحصيلات");
inline const QString kListLabel11 = QStringLiteral("برونگرايي");
inline const QString kListLabel12 = QStringLiteral("توافق");
inline const QString kListLabel13 = QStringLiteral("وظيفه شناسي");
inline const QString kListLabel17 = QStringLiteral("ثبات هيجاني");
inline const QString kListLabel18 = QStringLiteral("گشودگي به تجربه");
inline const QString kListLabel15 = QStringLiteral(":آدرس");

// Our own wording, where the layout leaves the words to us.
inline const QString kR1Title = QStringLiteral("پرسشنامه پنج عاملی");
inline const QString kR1WebAddress1 = QStringLiteral("www.pentarix-soft.example");
inline const QString kR1WebAddress2 = QStringLiteral("learn.pentarix-soft.example");
inline const QString kR1DocumentTitle = QStringLiteral("نتیجه آزمون آزمودنی");
inline const QString kListScaleName =
    QStringLiteral("، پرسشنامه پنج عاملی شخصیت \u2066(Big Five Personality Inventory)\u2069");
inline const QString kListCredit = QStringLiteral("تهیه شده با نرم‌افزار پنتاریکس");
inline const QString kListDocumentTitle = QStringLiteral("فهرست آزمودنی‌ها");

} // namespace pentarix::report_texts
