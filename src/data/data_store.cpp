#include "data/data_store.h"

#include "data/data_error.h"
#include "data/schema.h"

#include <QDir>
#include <QFileInfo>

#include <set>

namespace pentarix {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

std::set<QString> columnsOf(const sql::Connection& connection, const QString& table) {
    sql::Statement info(connection,
                        "PRAGMA table_info(" + sql::quoteIdentifier(table.toStdString()) + ")");
    std::set<QString> columns;
    while (info.step()) {
        const auto name = info.columnText(1);
        columns.insert(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toLower());
    }
    return columns;
}

} // namespace

QString DataStore::relativePath() { return QStringLiteral("Pentarix/Pentarix.mdb"); }

QString DataStore::defaultPath() { return QDir::current().filePath(relativePath()); }

sql::Connection DataStore::connect(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) {
        throw DataError(DataError::Kind::Missing,
                        QStringLiteral("فایل بانک اطلاعاتی پیدا نشد:\n%1").arg(shown(path)));
    }
    try {
        return sql::Connection::open(QFile::encodeName(path).toStdString());
    } catch (const sql::Error& e) {
        throw DataError(DataError::Kind::Unusable,
                        QStringLiteral("فایل بانک اطلاعاتی باز نشد:\n%1\n%2")
                            .arg(shown(path), QString::fromStdString(e.what())));
    }
}

void DataStore::verify(const QString& path) {
    const sql::Connection connection = connect(path);
    QStringList missing;
    try {
        for (const QString& table : schema::tables()) {
            const auto columns = columnsOf(connection, table);
            if (columns.empty()) {
                missing << table;
                continue;
            }
            for (const QString& field : schema::requiredFields(table)) {
                if (!columns.count(field.toLower())) missing << table + QLatin1Char('.') + field;
            }
        }
    } catch (const sql::Error& e) {
        throw DataError(DataError::Kind::Unusable,
                        QStringLiteral("فایل بانک اطلاعاتی قابل استفاده نیست:\n%1\n%2")
                            .arg(shown(path), QString::fromStdString(e.what())));
    }
    if (!missing.isEmpty()) {
        // Latin names inside Persian text keep their order between LRI and PDI.
        throw DataError(DataError::Kind::Unusable,
                        QStringLiteral("فایل بانک اطلاعاتی این برنامه نیست:\n%1\nجدول یا فیلد پیدا نشد: \u2066%2\u2069")
                            .arg(shown(path), missing.join(QStringLiteral(", "))));
    }
}

} // namespace pentarix
