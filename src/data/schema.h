#pragma once

#include <QString>
#include <QStringList>

namespace pentarix::schema {

inline const QString kIde = QStringLiteral("IDE");
inline const QString kAnswer = QStringLiteral("Answer");
inline const QString kTheme = QStringLiteral("Theme");
inline const QString kQu = QStringLiteral("QU");

// The fields each table must have; the windows bind to these names.
QStringList requiredFields(const QString& table);
QStringList tables();

// The answer sheet's field of item n: "1" .. "50".
inline QString itemField(int item) { return QString::number(item); }

inline constexpr int kItemCount = 50;

} // namespace pentarix::schema
