#pragma once

#include <QString>

// The about window's fixed texts.
namespace pentarix::about_texts {

inline const QString kCaption = QStringLiteral("about");
inline const QString kCommand1Caption = QStringLiteral("خروج");
inline const QString kSlot1Label = QStringLiteral("نام نرم افزار:");
inline const QString kSlot3Label = QStringLiteral("برنامه نويس:");
inline const QString kSlot4Label = QStringLiteral("تلفن :");
inline const QString kSlot5Label = QStringLiteral(" ايميل :");
inline const QString kSlot6Label = QStringLiteral(" وب سايت :");

// The credit sentence before its blanks are spread in: a full stop for every
// blank between words, two between the given and the family name, one at the end.
inline const QString kCreditWords = QStringLiteral("This.program.was.created.by.Pentarix..Team.");

} // namespace pentarix::about_texts
