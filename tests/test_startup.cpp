#include "data/data_store.h"
#include "platform/modal.h"
#include "platform/single_instance.h"
#include "shell/application.h"
#include "shell/application_texts.h"
#include "shell/frm1.h"
#include "support/app_folder.h"
#include "support/foreign_lock.h"
#include "support/scripted_modal.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <functional>
#include <memory>

using pentarix::DataStore;
using pentarix::test::AppFolder;
using pentarix::test::ForeignLock;
using pentarix::test::ScriptedModal;
namespace style = pentarix::platform::style;
namespace texts = pentarix::application_texts;

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

QProcess::ExitStatus runProgram(const QString& folder, const QStringList& arguments, int& exitCode,
                               QByteArray* errors = nullptr) {
    QProcess program;
    program.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PENTARIX_PROGRAM), arguments);
    program.waitForFinished(30000);
    exitCode = program.exitCode();
    if (errors) *errors = program.readAllStandardError();
    return program.exitStatus();
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

// Overwrites one page of the database file with bytes no page can hold,
// from the given offset within the page to its end.
void damagePage(const AppFolder& folder, int page, int from = 0) {
    const int pageSize = folder.scalar(QStringLiteral("PRAGMA page_size")).toInt();
    QFile file(folder.databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(qint64{page - 1} * pageSize + from));
    ASSERT_EQ(file.write(QByteArray(pageSize - from, '\xA5')), pageSize - from);
}

void damageExamineeTable(const AppFolder& folder) {
    for (const char* code : {"11", "12", "13"}) folder.addExaminee(QLatin1String(code));
    const QString root = folder.scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'IDE'"));
    damagePage(folder, root.toInt());
}

// The ways a database file that is present can refuse the start.
struct Refusal {
    const char* name;
    std::function<void(const AppFolder&, std::unique_ptr<ForeignLock>&)> make;
    QString cause; // Persian words the box gives as the cause
};

const std::vector<Refusal>& refusals() {
    static const std::vector<Refusal> all = {
        {"held locked by another program",
         [](const AppFolder& folder, std::unique_ptr<ForeignLock>& lock) {
             lock = std::make_unique<ForeignLock>(folder.databasePath());
         },
         texts::kLocked},
        // The schema reads well; the first read of the examinees fails.
        {"examinee table damaged", [](const AppFolder& folder, auto&) { damageExamineeTable(folder); },
         QStringLiteral("آسیب دیده")},
        {"schema page damaged", [](const AppFolder& folder, auto&) { damagePage(folder, 1, 100); },
         texts::kDamaged},
        {"not a database",
         [](const AppFolder& folder, auto&) {
             QFile file(folder.databasePath());
             ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
             file.write(QByteArray(8192, 'x'));
         },
         texts::kNotADatabase},
    };
    return all;
}

// Latin text may reach the operator only inside a left-to-right isolate.
bool latinOnlyInsideIsolates(const QString& text) {
    QString outside = text;
    outside.remove(QRegularExpression(QStringLiteral("\u2066[^\u2069]*\u2069")));
    return !outside.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

TEST_F(Startup, RefusedDatabaseIsNamedWithItsCauseAndLeftAsItWas) {
    for (const Refusal& refusal : refusals()) {
        SCOPED_TRACE(refusal.name);
        AppFolder refused;
        std::unique_ptr<ForeignLock> lock;
        refusal.make(refused, lock);
        const QByteArray before = bytesOf(refused.databasePath());
        modal.clear();
        EXPECT_FALSE(pentarix::startApplication());
        EXPECT_FALSE(pentarix::isLoaded<pentarix::Frm1>());
        ASSERT_EQ(modal.calls.size(), 1u);
        const auto& box = modal.calls[0];
        EXPECT_EQ(box.style, style::kIconCritical | style::kRightToLeftReading);
        const QString file = QDir::toNativeSeparators(QFileInfo(DataStore::defaultPath()).absoluteFilePath());
        EXPECT_TRUE(box.text.contains(file)) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(refusal.cause)) << box.text.toStdString();
        EXPECT_TRUE(latinOnlyInsideIsolates(QString(box.text).remove(file))) << box.text.toStdString();
        EXPECT_EQ(bytesOf(refused.databasePath()), before) << "the refused file was changed";
    }
}

// The program itself ends with a status of its own, not by an abort, and
// leaves the file as it found it. With --exit-when-shown the box it shows is
// answered at once.
TEST_F(Startup, ProgramEndsWithAFailureStatusOnARefusedDatabase) {
    for (const Refusal& refusal : refusals()) {
        SCOPED_TRACE(refusal.name);
        AppFolder refused;
        std::unique_ptr<ForeignLock> lock;
        refusal.make(refused, lock);
        const QByteArray before = bytesOf(refused.databasePath());
        int exitCode = -1;
        QByteArray errors;
        EXPECT_EQ(runProgram(refused.path(), {QStringLiteral("--exit-when-shown")}, exitCode, &errors),
                  QProcess::NormalExit)
            << errors.toStdString();
        EXPECT_EQ(exitCode, 1) << errors.toStdString();
        EXPECT_FALSE(errors.contains("terminate called")) << errors.toStdString();
        EXPECT_EQ(bytesOf(refused.databasePath()), before) << "the refused file was changed";
    }
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
