#include "support/app_folder.h"

#include "data/sqlite.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace pentarix::test {

AppFolder::AppFolder() : previous_(QDir::currentPath()) {
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    QDir(dir_.path()).mkpath(QStringLiteral("Pentarix"));
    if (!QFile::copy(QStringLiteral(PENTARIX_DELIVERED_DB), databasePath())) {
        throw std::runtime_error("cannot copy the delivered database");
    }
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    const QDir skins(QStringLiteral(PENTARIX_SKINS_DIR));
    for (const QString& skin : skins.entryList({QStringLiteral("*.skn")}, QDir::Files)) {
        QFile::copy(skins.filePath(skin), filePath(skin));
    }
    QDir::setCurrent(dir_.path());
}

AppFolder::~AppFolder() { QDir::setCurrent(previous_); }

QString AppFolder::databasePath() const { return filePath(QStringLiteral("Pentarix/Pentarix.mdb")); }

QString AppFolder::filePath(const QString& name) const { return QDir(dir_.path()).filePath(name); }

void AppFolder::exec(const QString& sql) const {
    auto connection = sql::Connection::open(databasePath().toStdString());
    connection.exec(sql.toStdString());
}

QString AppFolder::scalar(const QString& sql) const {
    auto connection = sql::Connection::open(databasePath().toStdString());
    sql::Statement statement(connection, sql.toStdString());
    if (!statement.step() || statement.columnType(0) == SQLITE_NULL) return QString();
    const auto text = statement.columnText(0);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AppFolder::addExaminee(const QString& code, const QString& group, const QString& firstName,
                            const QString& lastName) const {
    auto connection = sql::Connection::open(databasePath().toStdString());
    {
        sql::Statement ide(connection,
                           "INSERT INTO IDE (Code, FName, LName, Jens, Sen, Taahol, Tahsil, \"Group\", \"Date\", "
                           "\"Time\") VALUES (?, ?, ?, 'مرد', '30', 'مجرد', 'ليسانس', ?, '1404/01/01', "
                           "'10:00:00')");
        ide.bindText(1, code.toStdString());
        ide.bindText(2, firstName.toStdString());
        ide.bindText(3, lastName.toStdString());
        ide.bindText(4, group.toStdString());
        ide.step();
    }
    sql::Statement answer(connection, "INSERT INTO Answer (Code) VALUES (?)");
    answer.bindText(1, code.trimmed().toStdString());
    answer.step();
}

} // namespace pentarix::test
