#include "data/schema.h"

namespace pentarix::schema {

QStringList tables() { return {kIde, kAnswer, kTheme, kQu}; }

QStringList requiredFields(const QString& table) {
    if (table == kIde) {
        return {QStringLiteral("Code"),  QStringLiteral("FName"),  QStringLiteral("LName"),
                QStringLiteral("Jens"),  QStringLiteral("Sen"),    QStringLiteral("Taahol"),
                QStringLiteral("Tahsil"), QStringLiteral("Group"), QStringLiteral("Date"),
                QStringLiteral("Time"),  QStringLiteral("E"),      QStringLiteral("A"),
                QStringLiteral("C"),     QStringLiteral("ES"),     QStringLiteral("O")};
    }
    if (table == kAnswer) {
        QStringList fields{QStringLiteral("Code")};
        for (int i = 1; i <= kItemCount; ++i) fields << itemField(i);
        return fields;
    }
    if (table == kTheme) return {QStringLiteral("TH"), QStringLiteral("Name"), QStringLiteral("Adress")};
    if (table == kQu) return {QStringLiteral("ID"), QStringLiteral("QU")};
    return {};
}

} // namespace pentarix::schema
