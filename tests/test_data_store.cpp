#include "data/data_error.h"
#include "data/data_store.h"
#include "support/app_folder.h"

#include <gtest/gtest.h>

#include <QFile>

using pentarix::DataError;
using pentarix::DataStore;
using pentarix::test::AppFolder;

namespace {

DataError::Kind verifyKind(const QString& path) {
    try {
        DataStore::verify(path);
    } catch (const DataError& e) {
        EXPECT_TRUE(e.description().contains(QFileInfo(path).fileName())) << e.description().toStdString();
        return e.kind();
    }
    ADD_FAILURE() << "accepted " << path.toStdString();
    return DataError::Kind::Storage;
}

TEST(DataStore, DeliveredFileIsAccepted) {
    AppFolder folder;
    EXPECT_NO_THROW(DataStore::verify(DataStore::defaultPath()));
    EXPECT_TRUE(DataStore::defaultPath().endsWith(QLatin1String("Pentarix/Pentarix.mdb")));
}

TEST(DataStore, UnusableFilesAreRefusedWithoutCreatingAnything) {
    AppFolder folder;
    const QString missing = folder.filePath(QStringLiteral("Pentarix/none.mdb"));
    EXPECT_EQ(verifyKind(missing), DataError::Kind::Missing);
    EXPECT_FALSE(QFile::exists(missing));

    const QString empty = folder.filePath(QStringLiteral("empty.mdb"));
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_EQ(verifyKind(empty), DataError::Kind::Unusable);
    EXPECT_EQ(QFileInfo(empty).size(), 0);

    const QString text = folder.filePath(QStringLiteral("text.mdb"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("this is not a database at all, just some text\n").repeated(200));
    file.close();
    EXPECT_EQ(verifyKind(text), DataError::Kind::Unusable);

    folder.exec(QStringLiteral("DROP TABLE QU"));
    try {
        DataStore::verify(folder.databasePath());
        FAIL();
    } catch (const DataError& e) {
        EXPECT_EQ(e.kind(), DataError::Kind::Unusable);
        EXPECT_TRUE(e.description().contains(QLatin1String("QU")));
    }
}

TEST(DataStore, MissingFieldIsNamed) {
    AppFolder folder;
    folder.exec(QStringLiteral("ALTER TABLE Theme RENAME COLUMN Adress TO Address"));
    try {
        DataStore::verify(folder.databasePath());
        FAIL();
    } catch (const DataError& e) {
        EXPECT_TRUE(e.description().contains(QLatin1String("Theme.Adress")));
    }
}

} // namespace
