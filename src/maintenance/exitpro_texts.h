#pragma once

#include <QString>
#include <QStringList>

// The exit dialog's own texts, as the operator reads them.
namespace pentarix::exitpro_texts {

inline const QString kCaption = QStringLiteral("تهيه نسخه پشتيبان");
inline const QString kLabel1Caption = QStringLiteral("آيا براي خروج از برنامه اطمينان داريد");
inline const QString kCheck1Caption = QStringLiteral("تهيه نسخه پشتيبان");
inline const QString kTimer2Title = QStringLiteral(" تهيه نسخه پشتيبان");
inline const QString kTimer3Title = QStringLiteral("پشتيبان گيري");

} // namespace pentarix::exitpro_texts
