#include "platform/single_instance.h"
#include "shell/application.h"
#include "shell/frm1.h"
#include "support/app_folder.h"
#include "support/scripted_modal.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;

namespace {

class Startup : public ::testing::Test {
protected:
    ~Startup() override { pentarix::FormSlotBase::discardAll(); }
    AppFolder folder;
    ScriptedModal modal;
};

TEST_F(Startup, MissingDatabaseIsNamedAndNothingIsCreated) {
    QFile::remove(folder.databasePath());
    EXPECT_FALSE(pentarix::startApplication());
    ASSERT_EQ(modal.messages().size(), 1);
    EXPECT_TRUE(modal.messages()[0].contains(QLatin1String("Pentarix.mdb")));
    EXPECT_FALSE(QFile::exists(folder.databasePath()));
    EXPECT_FALSE(pentarix::isLoaded<pentarix::Frm1>());
}

TEST_F(Startup, DatabaseWithoutTheTablesIsRefused) {
    folder.exec(QStringLiteral("DROP TABLE Answer"));
    EXPECT_FALSE(pentarix::startApplication());
    ASSERT_EQ(modal.messages().size(), 1);
    EXPECT_TRUE(modal.messages()[0].contains(QLatin1String("Answer")));
}

TEST_F(Startup, DeliveredDatabaseShowsTheMainWindow) {
    EXPECT_TRUE(pentarix::startApplication());
    EXPECT_TRUE(pentarix::form<pentarix::Frm1>().isVisible());
    EXPECT_TRUE(modal.calls.empty());
}

// The PDF engine is loaded when a PDF is first shown, not before the main
// window appears.
TEST_F(Startup, MainWindowAppearsWithoutLoadingThePdfEngine) {
    ASSERT_TRUE(pentarix::startApplication());
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("libQt6Pdf"));
}

QProcess::ExitStatus runProgram(const QString& folder, const QStringList& arguments, int& exitCode) {
    QProcess program;
    program.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PENTARIX_PROGRAM), arguments);
    program.waitForFinished(30000);
    exitCode = program.exitCode();
    return program.exitStatus();
}

TEST_F(Startup, ProgramStartsShowsItsWindowAndLeavesTheDatabaseAlone) {
    const QByteArray before = [&] {
        QFile file(folder.databasePath());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    int exitCode = -1;
    EXPECT_EQ(runProgram(folder.path(), {QStringLiteral("--exit-when-shown")}, exitCode), QProcess::NormalExit);
    EXPECT_EQ(exitCode, 0);
    QFile file(folder.databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(QFile::exists(folder.databasePath() + QStringLiteral("-journal")));
    EXPECT_FALSE(QFile::exists(pentarix::platform::instanceLockPath(folder.path()))) << "the lock file stayed behind";
}

TEST_F(Startup, ProgramSavesAPictureOfItsMainWindow) {
    const QString picture = folder.filePath(QStringLiteral("main.png"));
    int exitCode = -1;
    runProgram(folder.path(), {QStringLiteral("--screenshot"), picture}, exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_GT(QFileInfo(picture).size(), 1000);
}

} // namespace
