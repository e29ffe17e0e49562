#pragma once

#include <QString>

// The theme confirmation window's texts, as the operator reads them.
namespace pentarix::frmskin_texts {

inline const QString kCaption = QStringLiteral("Skin");
inline const QString kLabel3_1Caption = QStringLiteral("تعويض تم");
inline const QString kLabel3_0Caption = QStringLiteral("تغييرات با موفقيت به پايان رسيد");

} // namespace pentarix::frmskin_texts
