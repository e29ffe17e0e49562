#pragma once

#include <QString>
#include <QTemporaryDir>

namespace pentarix::test {

// A fresh application folder in a temporary place, holding a copy of the
// delivered database and the skins, made the working folder while it lives.
class AppFolder {
public:
    AppFolder();
    ~AppFolder();
    AppFolder(const AppFolder&) = delete;
    AppFolder& operator=(const AppFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString databasePath() const;
    QString filePath(const QString& name) const;

    // Runs SQL on the folder's database through a connection of its own.
    void exec(const QString& sql) const;
    // The first column of the first row, as text; empty for NULL or no row.
    QString scalar(const QString& sql) const;
    // Registers an examinee directly in both tables.
    void addExaminee(const QString& code, const QString& group = QStringLiteral("A"),
                     const QString& firstName = QStringLiteral("علی"),
                     const QString& lastName = QStringLiteral("رضایی")) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace pentarix::test
