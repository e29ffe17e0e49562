#include "data/sqlite.h"
#include "maintenance/backup.h"
#include "maintenance/exit_handover.h"
#include "maintenance/exitpro.h"
#include "maintenance/exitpro_texts.h"
#include "maintenance/frmbackup.h"
#include "maintenance/frmbackup_texts.h"
#include "platform/clock.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "shell/frm1.h"
#include "support/app_folder.h"
#include "support/real_box.h"
#include "support/scripted_modal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <tuple>
#include <vector>

using pentarix::exitpro;
using pentarix::Frmbackup;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
namespace texts = pentarix::frmbackup_texts;
namespace exit_texts = pentarix::exitpro_texts;
namespace twips = pentarix::twips;
namespace style = pentarix::platform::style;
namespace answer = pentarix::platform::answer;
using Kind = ScriptedModal::Call::Kind;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray randomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes) byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

// Keeps the scripted answers and also what each file dialog was asked to show.
class RecordingModal final : public pentarix::platform::ModalHost {
public:
    explicit RecordingModal(ScriptedModal& scripted) : scripted_(scripted) {
        pentarix::platform::setModalHost(this);
    }
    ~RecordingModal() override { pentarix::platform::setModalHost(nullptr); }

    std::vector<pentarix::platform::FileDialogRequest> requests;

    int messageBox(QWidget* owner, const QString& text, const QString& title, int boxStyle) override {
        return scripted_.messageBox(owner, text, title, boxStyle);
    }
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& text) override {
        return scripted_.inputBox(owner, prompt, title, text);
    }
    QString openFileName(QWidget* owner, const pentarix::platform::FileDialogRequest& request) override {
        requests.push_back(request);
        return scripted_.openFileName(owner, request);
    }
    QString saveFileName(QWidget* owner, const pentarix::platform::FileDialogRequest& request) override {
        requests.push_back(request);
        return scripted_.saveFileName(owner, request);
    }
    bool printDialog(QWidget* owner, QPrinter& printer, int firstPage, int lastPage) override {
        return scripted_.printDialog(owner, printer, firstPage, lastPage);
    }
    void beep() override { scripted_.beep(); }
    void endApplication(int status) override { scripted_.endApplication(status); }

private:
    ScriptedModal& scripted_;
};

class Maintenance : public ::testing::Test {
protected:
    ~Maintenance() override {
        pentarix::FormSlotBase::discardAll();
        pentarix::platform::setClock({});
    }

    static void setNow(const QDateTime& moment) {
        pentarix::platform::setClock([moment] { return moment; });
    }
    Frmbackup& loadBackup() {
        Frmbackup& window = pentarix::form<Frmbackup>();
        window.show();
        return window;
    }
    // The only message shown, as text, title and style.
    void expectOneMessage(const QString& text, const QString& title, int boxStyle) const {
        ASSERT_EQ(modal.count(Kind::Message), 1) << modal.messages().join(QStringLiteral(" | ")).toStdString();
        const auto& call = *std::find_if(modal.calls.begin(), modal.calls.end(),
                                         [](const auto& c) { return c.kind == Kind::Message; });
        EXPECT_EQ(call.text, text);
        EXPECT_EQ(call.title, title);
        EXPECT_EQ(call.style, boxStyle);
    }
    QString backupsFolder() const { return folder.filePath(QStringLiteral("Back")); }

    AppFolder folder;
    ScriptedModal modal;
    RecordingModal host{modal};
};

// --- The copy.

struct SizeCase {
    const char* name;
    qsizetype size;
    int chunks;
};

class CopySizes : public Maintenance, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(CopySizes, TargetHoldsExactlyTheSourceBytesMovedInWholeChunks) {
    const qsizetype size = GetParam().size;
    const int chunks = GetParam().chunks;
    const QString source = folder.filePath(QStringLiteral("source.bin"));
    const QString target = folder.filePath(QStringLiteral("target.mdbB"));
    writeBytes(source, randomBytes(size, static_cast<quint32>(size) + 1));

    int seen = 0;
    const auto outcome = pentarix::copyInChunks(source, target, [&seen] { ++seen; });
    ASSERT_TRUE(outcome.ok) << outcome.description.toStdString();
    EXPECT_EQ(seen, chunks);
    EXPECT_EQ(bytesOf(target), bytesOf(source));
    EXPECT_FALSE(QFile::exists(pentarix::partialCopyPath(target)));

    QFile::remove(target);
    EXPECT_EQ(pentarix::CopyFileInChunks(source, target), 1);
    EXPECT_EQ(bytesOf(target), bytesOf(source));
    EXPECT_TRUE(modal.calls.empty());
}

// Around the chunk of 4048 bytes.
INSTANTIATE_TEST_SUITE_P(Sizes, CopySizes,
                         ::testing::Values(SizeCase{"empty", 0, 0}, SizeCase{"one_byte", 1, 1},
                                           SizeCase{"one_short_of_a_chunk", 4047, 1},
                                           SizeCase{"exactly_one_chunk", 4048, 1},
                                           SizeCase{"one_past_a_chunk", 4049, 2},
                                           SizeCase{"three_chunks_and_a_bit", 3 * 4048 + 17, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Maintenance, CopyOverALargerFileLeavesItExactlyAsLongAsTheSource) {
    const QString source = folder.filePath(QStringLiteral("source.bin"));
    const QString target = folder.filePath(QStringLiteral("old.mdbB"));
    writeBytes(source, randomBytes(5000, 7));
    writeBytes(target, QByteArray(100000, 'x'));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_EQ(pentarix::CopyFileInChunks(source, target), 1);
    EXPECT_EQ(bytesOf(target), bytesOf(source));
    EXPECT_EQ(QFileInfo(target).size(), 5000);
    EXPECT_EQ(QFile::permissions(target) & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

TEST_F(Maintenance, CopyLetsPendingWindowEventsRun) {
    const QString source = folder.filePath(QStringLiteral("source.bin"));
    writeBytes(source, randomBytes(10 * 4048, 3));
    bool ran = false;
    QTimer::singleShot(0, qApp, [&ran] { ran = true; });
    ASSERT_EQ(pentarix::CopyFileInChunks(source, folder.filePath(QStringLiteral("t.bin"))), 1);
    EXPECT_TRUE(ran);
}

struct FailureCase {
    const char* name;
    std::function<void(const QString& folder, QString& source, QString& target)> arrange;
    QString words; // part of the Persian description
};

class CopyFailures : public Maintenance, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CopyFailures, AreReportedInPersianAndLeaveTheTargetAsItWas) {
    QString source = folder.filePath(QStringLiteral("source.bin"));
    QString target = folder.filePath(QStringLiteral("target.bin"));
    writeBytes(source, randomBytes(9000, 11));
    writeBytes(target, QByteArrayLiteral("the old target"));
    GetParam().arrange(folder.path(), source, target);
    const QByteArray before = bytesOf(target);

    EXPECT_EQ(pentarix::CopyFileInChunks(source, target), 0);
    ASSERT_EQ(modal.count(Kind::Message), 1);
    const auto& call = modal.calls.front();
    EXPECT_TRUE(call.text.startsWith(texts::kCopyFailed + QLatin1Char('\n'))) << call.text.toStdString();
    EXPECT_TRUE(call.text.contains(GetParam().words)) << call.text.toStdString();
    EXPECT_EQ(call.title, QString());
    EXPECT_EQ(call.style, 1048592);
    EXPECT_EQ(bytesOf(target), before);
    EXPECT_FALSE(QFile::exists(pentarix::partialCopyPath(target)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyFailures,
    ::testing::Values(
        FailureCase{"MissingSource",
                    [](const QString& dir, QString& source, QString&) { source = dir + QStringLiteral("/none.mdbB"); },
                    QStringLiteral("پیدا نشد")},
        FailureCase{"SourceIsAFolder",
                    [](const QString& dir, QString& source, QString&) {
                        QDir(dir).mkdir(QStringLiteral("folder.mdbB"));
                        source = dir + QStringLiteral("/folder.mdbB");
                    },
                    QStringLiteral("پوشه است")},
        FailureCase{"TargetFolderMissing",
                    [](const QString& dir, QString&, QString& target) {
                        target = dir + QStringLiteral("/no such folder/x.mdbB");
                    },
                    QStringLiteral("پیدا نشد")},
        FailureCase{"TargetIsAFolder",
                    [](const QString& dir, QString&, QString& target) {
                        QDir(dir).mkdir(QStringLiteral("Back"));
                        target = dir + QStringLiteral("/Back");
                    },
                    QStringLiteral("پوشه است")}),
    [](const auto& info) { return std::string(info.param.name); });

// Builds a crashed state beside a database: the file with a write half done
// and the rollback journal that would undo it.
void makeCrashedCopy(const QString& database, const QString& crashed) {
    auto connection = pentarix::sql::Connection::open(database.toStdString());
    connection.exec("PRAGMA cache_size=1");
    connection.exec("BEGIN");
    connection.exec("CREATE TABLE Filler(x)");
    connection.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
                    "INSERT INTO Filler SELECT randomblob(300) FROM n");
    connection.exec("UPDATE QU SET QU = 'changed'");
    // The small cache has spilled pages into the file; the journal is hot.
    QFile::copy(database, crashed);
    QFile::copy(database + QStringLiteral("-journal"), crashed + QStringLiteral("-journal"));
    connection.exec("ROLLBACK");
}

TEST_F(Maintenance, AJournalLeftBesideTheTargetIsNotRolledIntoTheNewFile) {
    const QString target = folder.filePath(QStringLiteral("crashed.mdb"));
    makeCrashedCopy(folder.databasePath(), target);
    ASSERT_GT(QFileInfo(target + QStringLiteral("-journal")).size(), 0);

    const QString backup = folder.filePath(QStringLiteral("good.mdbB"));
    folder.addExaminee(QStringLiteral("kept"));
    ASSERT_TRUE(QFile::copy(folder.databasePath(), backup));

    ASSERT_EQ(pentarix::CopyFileInChunks(backup, target), 1);
    EXPECT_FALSE(QFile::exists(target + QStringLiteral("-journal")));
    EXPECT_EQ(bytesOf(target), bytesOf(backup));
    auto restored = pentarix::sql::Connection::open(target.toStdString());
    pentarix::sql::Statement check(restored, "PRAGMA integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.columnText(0), "ok");
    pentarix::sql::Statement code(restored, "SELECT Code FROM IDE");
    ASSERT_TRUE(code.step());
    EXPECT_EQ(code.columnText(0), "kept");
}

// A copy killed at any moment leaves the old target or the whole new one.
TEST_F(Maintenance, CopyKilledAtRandomMomentsNeverLeavesAHalfWrittenTarget) {
    const QString source = folder.filePath(QStringLiteral("source.bin"));
    const QString target = folder.filePath(QStringLiteral("target.mdbB"));
    const QByteArray fresh = randomBytes(200 * 4048 + 99, 5);
    const QByteArray old = QByteArray(3 * 4048 + 5, 'o');
    writeBytes(source, fresh);

    const auto start = [&](QProcess& helper) {
        helper.setProgram(QStringLiteral(PENTARIX_COPY_HELPER));
        helper.setArguments({source, target, QStringLiteral("40")});
        helper.start();
        EXPECT_TRUE(helper.waitForReadyRead(10000));
    };
    // How long a whole copy takes, so that the kills spread over all of it.
    writeBytes(target, old);
    QProcess timing;
    QElapsedTimer clock;
    start(timing);
    clock.start();
    ASSERT_TRUE(timing.waitForFinished(10000));
    const qint64 wholeCopyUs = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);
    ASSERT_EQ(bytesOf(target), fresh);

    QRandomGenerator generator(2024);
    int interrupted = 0;
    for (int trial = 0; trial < 24; ++trial) {
        writeBytes(target, old);
        QProcess helper;
        start(helper);
        std::this_thread::sleep_for(std::chrono::microseconds(generator.bounded(wholeCopyUs)));
        helper.kill();
        ASSERT_TRUE(helper.waitForFinished(10000));
        const QByteArray after = bytesOf(target);
        EXPECT_TRUE(after == old || after == fresh) << "trial " << trial << ": " << after.size() << " bytes";
        if (helper.exitStatus() == QProcess::CrashExit && after == old) ++interrupted;
    }
    EXPECT_GT(interrupted, 0) << "no kill landed in the middle of a copy";
}

// --- Leftovers of copies killed midway.

// A copy in a process of its own, slowed to about a second for a megabyte.
class RunningCopy {
public:
    RunningCopy(const QString& source, const QString& target) : target_(target) {
        helper_.setProgram(QStringLiteral(PENTARIX_COPY_HELPER));
        helper_.setArguments({source, target, QStringLiteral("4000")});
        helper_.start();
        EXPECT_TRUE(helper_.waitForReadyRead(10000));
        // The partial file is there from the start of the copy on.
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(pentarix::partialCopyPath(target)) && waited.elapsed() < 10000) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_TRUE(QFileInfo::exists(pentarix::partialCopyPath(target))) << target.toStdString();
    }
    ~RunningCopy() {
        helper_.kill();
        helper_.waitForFinished(10000);
    }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    void kill() {
        helper_.kill();
        ASSERT_TRUE(helper_.waitForFinished(10000));
        ASSERT_EQ(helper_.exitStatus(), QProcess::CrashExit) << "the copy onto " << target_.toStdString()
                                                             << " ended before the kill";
    }
    bool finish() { return helper_.waitForFinished(60000) && helper_.exitStatus() == QProcess::NormalExit &&
                           helper_.exitCode() == 0; }

private:
    QProcess helper_;
    QString target_;
};

// Runs the program on the folder until its main window is shown.
int runProgram(const QString& folder) {
    QProcess program;
    program.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PENTARIX_PROGRAM), {QStringLiteral("--exit-when-shown")});
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) return -1;
    return program.exitCode();
}

TEST_F(Maintenance, TheNextCopyOntoATargetRemovesTheLeftoverOfAKilledOne) {
    const QString source = folder.filePath(QStringLiteral("source.bin"));
    const QString target = folder.filePath(QStringLiteral("target.mdbB"));
    writeBytes(source, randomBytes(1 << 20, 17));
    writeBytes(target, QByteArrayLiteral("the old target"));
    {
        RunningCopy copy(source, target);
        copy.kill();
    }
    const QString leftover = pentarix::partialCopyPath(target);
    ASSERT_TRUE(QFileInfo::exists(leftover));
    EXPECT_EQ(bytesOf(target), QByteArrayLiteral("the old target"));
    // As a copy onto a read-only target leaves it.
    QFile::setPermissions(leftover, QFile::ReadOwner);

    const QString second = folder.filePath(QStringLiteral("second.bin"));
    writeBytes(second, randomBytes(9000, 18));
    ASSERT_EQ(pentarix::CopyFileInChunks(second, target), 1)
        << modal.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(bytesOf(target), bytesOf(second));
    EXPECT_FALSE(QFileInfo::exists(leftover));
}

TEST_F(Maintenance, ACopyStillRunningKeepsItsPartialFileAndRefusesASecondCopyOntoItsTarget) {
    const QString source = folder.filePath(QStringLiteral("source.bin"));
    const QString target = folder.filePath(QStringLiteral("Back/b.mdbB"));
    QDir(folder.path()).mkdir(QStringLiteral("Back"));
    writeBytes(source, randomBytes(1 << 20, 19));
    RunningCopy copy(source, target);

    // Neither the start of the program nor a second copy takes its file away.
    EXPECT_EQ(runProgram(folder.path()), 0);
    EXPECT_TRUE(QFileInfo::exists(pentarix::partialCopyPath(target)));
    const QString other = folder.filePath(QStringLiteral("other.bin"));
    writeBytes(other, randomBytes(9000, 20));
    EXPECT_EQ(pentarix::CopyFileInChunks(other, target), 0);
    ASSERT_EQ(modal.count(Kind::Message), 1);
    EXPECT_TRUE(modal.calls[0].text.contains(QStringLiteral("در دست برنامهٔ دیگری")))
        << modal.calls[0].text.toStdString();

    ASSERT_TRUE(copy.finish());
    EXPECT_EQ(bytesOf(target), bytesOf(source));
    EXPECT_FALSE(QFileInfo::exists(pentarix::partialCopyPath(target)));
}

// Files an operator may keep beside a backup or the database, with names
// close to those of partial files; the start of the program leaves them be.
struct OperatorFile {
    const char* name;
    enum Kind { File, Folder, Link } kind;
};

// Places each operator file in the database's folder and in Back; their paths.
std::vector<QString> placeOperatorFiles(const AppFolder& folder, const QString& linkTarget) {
    const std::vector<OperatorFile> operatorFiles = {
        {"b.mdbB.part", OperatorFile::File},
        {".b.mdbB.part", OperatorFile::File},
        {"b.mdbB.pentarix-partial", OperatorFile::File},
        {".b.mdbB.pentarix-partial.txt", OperatorFile::File},
        {".b.mdbB.pentarix-partiaL", OperatorFile::File},
        {".pentarix-partial", OperatorFile::File},
        {"b.mdbB", OperatorFile::File},
        {".d.pentarix-partial", OperatorFile::Folder},
        {".l.pentarix-partial", OperatorFile::Link},
    };
    std::vector<QString> placed;
    for (const char* folderName : {"Pentarix", "Back"}) {
        const QDir dir(folder.filePath(QString::fromLatin1(folderName)));
        for (const OperatorFile& file : operatorFiles) {
            const QString path = dir.filePath(QString::fromLatin1(file.name));
            switch (file.kind) {
            case OperatorFile::File: writeBytes(path, QByteArray(file.name)); break;
            case OperatorFile::Folder: EXPECT_TRUE(dir.mkdir(QString::fromLatin1(file.name))); break;
            case OperatorFile::Link: EXPECT_TRUE(QFile::link(linkTarget, path)); break;
            }
            placed.push_back(path);
        }
    }
    return placed;
}

TEST_F(Maintenance, StartRemovesTheLeftoversOfKilledCopiesAndNoOperatorFile) {
    const QString source = folder.filePath(QStringLiteral("source.bin"));
    writeBytes(source, randomBytes(1 << 20, 21));
    QDir(folder.path()).mkdir(QStringLiteral("Back"));
    const QString database = folder.databasePath();
    const QByteArray databaseBefore = bytesOf(database);
    // A restore onto the database and a backup into the proposed folder, both killed.
    const QStringList targets = {database, folder.filePath(QStringLiteral("Back/b.mdbB"))};
    for (const QString& target : targets) {
        RunningCopy copy(source, target);
        copy.kill();
        ASSERT_TRUE(QFileInfo::exists(pentarix::partialCopyPath(target)));
    }
    // A leftover outside the two folders is not the start's business.
    const QString elsewhere = pentarix::partialCopyPath(folder.filePath(QStringLiteral("elsewhere.mdbB")));
    writeBytes(elsewhere, QByteArrayLiteral("left elsewhere"));

    const std::vector<QString> kept = placeOperatorFiles(folder, source);
    ASSERT_FALSE(HasFailure()) << "the operator files could not be placed";

    ASSERT_EQ(runProgram(folder.path()), 0);
    for (const QString& target : targets) {
        EXPECT_FALSE(QFileInfo::exists(pentarix::partialCopyPath(target))) << target.toStdString();
    }
    EXPECT_EQ(bytesOf(database), databaseBefore);
    EXPECT_EQ(bytesOf(elsewhere), QByteArrayLiteral("left elsewhere"));
    for (const QString& path : kept) {
        const QFileInfo info(path);
        EXPECT_TRUE(info.exists() || info.isSymLink()) << path.toStdString();
        if (info.isFile() && !info.isSymLink()) {
            EXPECT_EQ(bytesOf(path), info.fileName().toLatin1()) << path.toStdString();
        }
    }
    EXPECT_EQ(bytesOf(source).size(), 1 << 20);
}

// --- Restore sources.

struct SourceCase {
    const char* name;
    std::function<QString(const AppFolder&)> make; // returns the path to restore from
    QString words;
};

class BadRestoreSources : public Maintenance, public ::testing::WithParamInterface<SourceCase> {};

TEST_P(BadRestoreSources, AreRefusedWithTheCopyFailureAndTheDatabaseStaysAsItWas) {
    folder.addExaminee(QStringLiteral("mine"));
    const QString source = GetParam().make(folder);
    const QByteArray before = bytesOf(folder.databasePath());

    Frmbackup& w = loadBackup();
    w.Text2->setText(source);
    modal.messageAnswers = {answer::kYes};
    w.VisualButtonEx3->click();

    ASSERT_EQ(modal.count(Kind::Message), 2);
    const auto& failure = modal.calls.back();
    EXPECT_TRUE(failure.text.startsWith(texts::kCopyFailed + QLatin1Char('\n'))) << failure.text.toStdString();
    EXPECT_TRUE(failure.text.contains(GetParam().words)) << failure.text.toStdString();
    EXPECT_EQ(failure.style, style::kIconCritical | style::kRightToLeftReading);
    EXPECT_EQ(bytesOf(folder.databasePath()), before);
    EXPECT_FALSE(modal.ended());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.VisualButtonEx3->isEnabled());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT Code FROM IDE")), QStringLiteral("mine"));
}

QString fileWith(const AppFolder& folder, const char* name, const QByteArray& bytes) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    writeBytes(path, bytes);
    return path;
}

QString goodBackup(const AppFolder& folder) {
    const QString path = folder.filePath(QStringLiteral("good.mdbB"));
    QFile::copy(QStringLiteral(PENTARIX_DELIVERED_DB), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadRestoreSources,
    ::testing::Values(
        SourceCase{"EmptyFile", [](const AppFolder& f) { return fileWith(f, "empty.mdbB", QByteArray()); },
                   QStringLiteral("خالی")},
        SourceCase{"TextFile",
                   [](const AppFolder& f) {
                       return fileWith(f, "notes.mdbB", QStringLiteral("یادداشت\n").repeated(2000).toUtf8());
                   },
                   QStringLiteral("نسخهٔ پشتیبان این برنامه نیست")},
        SourceCase{"TruncatedAtAPage",
                   [](const AppFolder& f) {
                       return fileWith(f, "half.mdbB", bytesOf(goodBackup(f)).left(2 * 4096));
                   },
                   QStringLiteral("آسیب")},
        SourceCase{"TruncatedMidPage",
                   [](const AppFolder& f) { return fileWith(f, "cut.mdbB", bytesOf(goodBackup(f)).left(10000)); },
                   QStringLiteral("آسیب")},
        SourceCase{"DamagedPage",
                   [](const AppFolder& f) {
                       QByteArray bytes = bytesOf(goodBackup(f));
                       for (qsizetype i = 6 * 4096 + 8; i < 7 * 4096; ++i) bytes[i] = '\x5a'; // the items
                       return fileWith(f, "damaged.mdbB", bytes);
                   },
                   QStringLiteral("آسیب")},
        SourceCase{"AnotherProgramsDatabase",
                   [](const AppFolder& f) {
                       const QString path = f.filePath(QStringLiteral("other.mdbB"));
                       auto other = pentarix::sql::Connection::create(path.toStdString());
                       other.exec("CREATE TABLE Customers(Id INTEGER, Name TEXT)");
                       other.exec("INSERT INTO Customers VALUES (1, 'x')");
                       return path;
                   },
                   QStringLiteral("این برنامه نیست")},
        SourceCase{"WriteAheadLogCopy",
                   [](const AppFolder& f) {
                       const QString path = goodBackup(f);
                       auto wal = pentarix::sql::Connection::open(path.toStdString());
                       wal.exec("PRAGMA journal_mode=WAL");
                       return path;
                   },
                   QStringLiteral("نسخهٔ پشتیبان این برنامه نیست")},
        SourceCase{"Folder",
                   [](const AppFolder& f) {
                       QDir(f.path()).mkdir(QStringLiteral("Back"));
                       return f.filePath(QStringLiteral("Back"));
                   },
                   QStringLiteral("پوشه است")},
        SourceCase{"MissingPath", [](const AppFolder& f) { return f.filePath(QStringLiteral("gone.mdbB")); },
                   QStringLiteral("پیدا نشد")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Maintenance, ASoundBackupOfThisSystemPassesTheRestoreCheck) {
    EXPECT_EQ(pentarix::restoreSourceProblem(goodBackup(folder)), std::nullopt);
    folder.addExaminee(QStringLiteral("7"));
    EXPECT_EQ(pentarix::restoreSourceProblem(folder.databasePath()), std::nullopt);
}

// --- The backup window.

TEST_F(Maintenance, BackupWindowControlsStandAtTheirPositions) {
    Frmbackup& w = loadBackup();
    EXPECT_EQ(w.windowTitle(), texts::kCaption);
    EXPECT_EQ(w.size(), twips::size(8130, 3000));
    EXPECT_EQ(w.pos(), twips::point(2340, 765));
    const std::vector<std::tuple<QWidget*, QRect, QString>> controls = {
        {w.Text1, twips::rect(360, 480, 4815, 375), QString()},
        {w.b1, twips::rect(5280, 480, 495, 495), QStringLiteral("---")},
        {w.VisualButtonEx2, twips::rect(5880, 360, 1215, 735), QStringLiteral("BACKUP")},
        {w.Text2, twips::rect(360, 1680, 4815, 375), QString()},
        {w.b2, twips::rect(5280, 1680, 495, 495), QStringLiteral("---")},
        {w.VisualButtonEx3, twips::rect(5895, 1560, 1215, 735), QStringLiteral("REASTOR")},
        {w.Command1, twips::rect(2460, 2220, 1455, 435), texts::kCommand1Caption},
        {w.Command3, twips::rect(5880, 2460, 855, 495), texts::kCommand3Caption},
        {w.Frame1, twips::rect(240, 0, 5535, 2835), QString()},
        {w.Text4, twips::rect(120, 180, 5295, 2235), QString()},
        {w.Command2, twips::rect(1620, 2460, 975, 315), texts::kCommand2Caption},
        {w.Label1, twips::rect(2760, 60, 1575, 375), QString()},
        {w.Label2, twips::rect(1620, 60, 975, 375), QString()},
        {w.Label3, twips::rect(2040, 1140, 1575, 375), QString()},
    };
    for (const auto& [widget, where, caption] : controls) {
        EXPECT_EQ(widget->geometry(), where) << widget->objectName().toStdString();
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), caption) << widget->objectName().toStdString();
        }
    }
    EXPECT_EQ(w.Text4->parentWidget(), w.Frame1);
    EXPECT_EQ(w.Command2->parentWidget(), w.Frame1);
    EXPECT_TRUE(w.Text1->text().isEmpty());
    EXPECT_TRUE(w.Text2->text().isEmpty());
    EXPECT_EQ(w.Skin1->loadedFileName(), QStringLiteral("office2007.skn"));
    EXPECT_FALSE(w.styleSheet().isEmpty());
}

TEST_F(Maintenance, HelpPanelHoldsTheFortyLinesAndOpensAndCloses) {
    Frmbackup& w = loadBackup();
    EXPECT_FALSE(w.Frame1->isVisible());
    ASSERT_EQ(texts::kHelpLines.size(), 40);
    EXPECT_EQ(w.Text4->toPlainText(), texts::kHelpLines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_EQ(w.Text4->toPlainText().count(QLatin1Char('\n')), 40);
    w.Command3->click();
    EXPECT_TRUE(w.Frame1->isVisible());
    w.Command2->click();
    EXPECT_FALSE(w.Frame1->isVisible());
    EXPECT_TRUE(modal.calls.empty());
}

TEST_F(Maintenance, DateIsOfTheOpeningDayAndTheClockKeepsTicking) {
    setNow(QDateTime(QDate(2014, 11, 2), QTime(9, 5, 41)));
    Frmbackup& w = loadBackup();
    EXPECT_EQ(w.Label1->text(), QStringLiteral("1393.8.11"));
    EXPECT_EQ(w.Label3->text(), QStringLiteral("1393.8.11"));
    EXPECT_EQ(w.Label2->text(), QStringLiteral("9.05"));
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_EQ(w.Timer1->interval(), 1000);

    setNow(QDateTime(QDate(2014, 11, 3), QTime(14, 30)));
    w.Timer1_Timer();
    EXPECT_EQ(w.Label2->text(), QStringLiteral("14.30"));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("1393.8.11"));
}

TEST_F(Maintenance, ClockTextHasNoLeadingZeroOnTheHourAndTwoDigitsOfMinutes) {
    const std::vector<std::pair<QTime, QString>> cases = {{QTime(9, 5), QStringLiteral("9.05")},
                                                          {QTime(14, 30), QStringLiteral("14.30")},
                                                          {QTime(0, 0), QStringLiteral("0.00")},
                                                          {QTime(23, 59, 59), QStringLiteral("23.59")}};
    for (const auto& [time, text] : cases) {
        EXPECT_EQ(pentarix::backupClockText(QDateTime(QDate(2020, 1, 1), time)), text);
    }
}

TEST_F(Maintenance, SaveDialogProposesANameOfTheOpeningDayAndTheClockOfThePress) {
    setNow(QDateTime(QDate(2014, 11, 2), QTime(9, 5)));
    Frmbackup& w = loadBackup();
    setNow(QDateTime(QDate(2014, 11, 3), QTime(14, 30)));
    w.Timer1_Timer();
    const QString chosen = backupsFolder() + QStringLiteral("/mine.mdbB");
    modal.fileAnswers = {chosen};
    w.b1->click();

    ASSERT_EQ(host.requests.size(), 1u);
    const auto& request = host.requests.front();
    EXPECT_EQ(request.fileName, QStringLiteral("در تاريخ1393.8.11 ساعت)14.30).mdbB"));
    EXPECT_EQ(QDir(request.directory), QDir(backupsFolder()));
    EXPECT_EQ(request.filter, QStringLiteral("Database Backup (*.mdbB)"));
    EXPECT_TRUE(QFileInfo(backupsFolder()).isDir());
    EXPECT_EQ(modal.count(Kind::SaveFile), 1);
    EXPECT_EQ(w.Text1->text(), chosen);

    // The one dialog keeps its name: the open dialog shows it next.
    w.b2->click();
    ASSERT_EQ(host.requests.size(), 2u);
    EXPECT_EQ(modal.count(Kind::OpenFile), 1);
    EXPECT_EQ(host.requests.back().fileName, QStringLiteral("mine.mdbB"));
    EXPECT_EQ(w.Text2->text(), chosen);
}

TEST_F(Maintenance, CancellingTheDialogsPutsWhatTheDialogHoldsOrNothing) {
    setNow(QDateTime(QDate(2014, 11, 2), QTime(9, 5)));
    Frmbackup& w = loadBackup();
    // The open dialog holds no name yet: the box stays as it was.
    w.Text2->setText(QStringLiteral("typed.mdbB"));
    w.b2->click();
    EXPECT_EQ(host.requests.back().fileName, QString());
    EXPECT_EQ(w.Text2->text(), QStringLiteral("typed.mdbB"));
    // The save dialog holds the proposed name in the proposed folder.
    w.b1->click();
    EXPECT_EQ(QDir::cleanPath(w.Text1->text()),
              QDir::cleanPath(QDir(backupsFolder()).absoluteFilePath(host.requests.back().fileName)));
    EXPECT_EQ(host.requests.back().fileName, QStringLiteral("در تاريخ1393.8.11 ساعت)9.05).mdbB"));
    EXPECT_FALSE(modal.ended());
}

// The real file dialog of the two "---" buttons: Persian headers, sizes,
// kinds and dates; columns wide enough for their headers and contents; the
// dialog inside the screen; the file accepted comes back to the window.
std::string shownRect(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

struct FileDialogCase {
    const char* name;
    QPushButton* Frmbackup::*button;
    QLineEdit* Frmbackup::*box;
};

class BackupFileDialog : public Maintenance, public ::testing::WithParamInterface<FileDialogCase> {
protected:
    // Qt's file dialog keeps its columns and places among the user's
    // settings; each case starts from none and leaves the user's alone.
    BackupFileDialog() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path()); }
    ~BackupFileDialog() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }

    // Checks the dialog once the folder's entries have arrived, then takes
    // the old backup.
    static void checkAndAccept(QDialog* dialog) {
        auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(list, nullptr);
        const QAbstractItemModel* entries = list->model();
        const auto row = [&](const QString& name) {
            for (int r = 0; r < entries->rowCount(list->rootIndex()); ++r) {
                if (entries->index(r, 0, list->rootIndex()).data().toString() == name) return r;
            }
            return -1;
        };
        const auto cell = [&](int r, int column) {
            return entries->index(r, column, list->rootIndex()).data().toString();
        };
        ASSERT_TRUE(QTest::qWaitFor([&] {
            const int file = row(QStringLiteral("old.mdbB"));
            return file >= 0 && row(QStringLiteral("monthly")) >= 0 && !cell(file, 1).isEmpty();
        }));
        QTest::qWait(50); // the columns follow the entries on the next pass
        expectPersianColumns(list, row(QStringLiteral("old.mdbB")), row(QStringLiteral("monthly")));
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(room.contains(dialog->frameGeometry()))
            << shownRect(dialog->frameGeometry()) << " outside " << shownRect(room);
        // The operator types the old backup's name and accepts.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("old.mdbB"));
        dialog->accept();
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog refused the file";
            dialog->reject();
        }
    }

    static void expectPersianColumns(QTreeView* list, int file, int folder) {
        static const QRegularExpression latin(QStringLiteral("[A-Za-z0-9]"));
        static const QRegularExpression persianDigit(QStringLiteral("[\u06F0-\u06F9]"));
        const QAbstractItemModel* entries = list->model();
        const auto cell = [&](int r, int column) {
            return entries->index(r, column, list->rootIndex()).data().toString();
        };
        QHeaderView* header = list->header();
        // In the windows' face, though the backup window's skin reaches the dialog.
        EXPECT_EQ(QFontInfo(header->font()).family(), QStringLiteral("Nazli"));
        EXPECT_EQ(QFontInfo(list->font()).family(), QStringLiteral("Nazli"));
        const QAbstractItemView* view = list; // the list's own measure, protected in its class
        for (int column = 0; column < 4; ++column) {
            const QString caption = entries->headerData(column, Qt::Horizontal).toString();
            EXPECT_FALSE(caption.isEmpty());
            EXPECT_FALSE(caption.contains(latin)) << caption.toStdString();
            EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << caption.toStdString();
            EXPECT_GE(header->sectionSize(column), view->sizeHintForColumn(column))
                << caption.toStdString();
        }
        // The kind of a file names its suffix; nothing else is Latin.
        for (const QString& shown : {cell(file, 1), cell(file, 3), cell(folder, 2), cell(folder, 3)}) {
            EXPECT_FALSE(shown.contains(latin)) << shown.toStdString();
        }
        EXPECT_FALSE(cell(file, 2).contains(QStringLiteral("File"))) << cell(file, 2).toStdString();
        EXPECT_TRUE(cell(file, 1).contains(persianDigit)) << cell(file, 1).toStdString();
        EXPECT_TRUE(cell(file, 3).contains(persianDigit)) << cell(file, 3).toStdString();
    }
};

TEST_P(BackupFileDialog, IsPersianWithWholeColumnsAndGivesTheChosenFile) {
    const QString old = QDir(backupsFolder()).filePath(QStringLiteral("old.mdbB"));
    ASSERT_TRUE(QDir().mkpath(QDir(backupsFolder()).filePath(QStringLiteral("monthly"))));
    ASSERT_TRUE(QFile::copy(folder.databasePath(), old));
    Frmbackup& w = loadBackup();
    pentarix::test::WhenDialogShown answer(&w, &BackupFileDialog::checkAndAccept);
    pentarix::platform::setModalHost(nullptr);
    (w.*GetParam().button)->click();
    pentarix::platform::setModalHost(&host);
    EXPECT_EQ(QFileInfo((w.*GetParam().box)->text()).absoluteFilePath().toStdString(),
              QFileInfo(old).absoluteFilePath().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Buttons, BackupFileDialog,
                         ::testing::Values(FileDialogCase{"save", &Frmbackup::b1, &Frmbackup::Text1},
                                           FileDialogCase{"open", &Frmbackup::b2, &Frmbackup::Text2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Maintenance, BackupWritesTheDatabaseBytesAndEndsTheProgram) {
    folder.addExaminee(QStringLiteral("12"));
    Frmbackup& w = loadBackup();
    const QString target = folder.filePath(QStringLiteral("b.mdbB"));
    w.Text1->setText(target);
    w.VisualButtonEx2->click();
    EXPECT_EQ(bytesOf(target), bytesOf(folder.databasePath()));
    expectOneMessage(texts::kBackupDone, QString(), style::kOk);
    EXPECT_TRUE(modal.ended());
    EXPECT_EQ(modal.calls.back().kind, Kind::End);
}

TEST_F(Maintenance, BackupOverAnExistingFileAsksAndReplacesItOnlyOnYes) {
    Frmbackup& w = loadBackup();
    const QString target = folder.filePath(QStringLiteral("old.mdbB"));
    const QByteArray old(200000, 'o');
    writeBytes(target, old);
    w.Text1->setText(target);

    w.VisualButtonEx2->click(); // no answer queued: No
    ASSERT_EQ(modal.count(Kind::Message), 2);
    EXPECT_EQ(modal.calls[0].text, texts::kReplaceQuestion);
    EXPECT_EQ(modal.calls[0].style, style::kYesNo);
    EXPECT_EQ(modal.calls[0].title, QString());
    EXPECT_EQ(modal.calls[1].text, texts::kReplaceRefused);
    EXPECT_EQ(modal.calls[1].style, style::kIconInformation | style::kRightToLeftReading);
    EXPECT_EQ(bytesOf(target), old);
    EXPECT_FALSE(modal.ended());
    EXPECT_TRUE(w.isVisible());

    modal.clear();
    modal.messageAnswers = {answer::kYes};
    w.VisualButtonEx2->click();
    EXPECT_EQ(modal.messages(), QStringList({texts::kReplaceQuestion, texts::kBackupDone}));
    EXPECT_EQ(bytesOf(target), bytesOf(folder.databasePath()));
    EXPECT_TRUE(modal.ended());
}

TEST_F(Maintenance, EmptyPathsAreRefusedAndTouchNoFile) {
    Frmbackup& w = loadBackup();
    const QByteArray database = bytesOf(folder.databasePath());
    const QStringList files = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    w.VisualButtonEx2->click();
    expectOneMessage(texts::kBackupPathMissing, texts::kErrorTitle, 1048624);
    modal.clear();
    w.VisualButtonEx3->click();
    expectOneMessage(texts::kRestorePathMissing, texts::kErrorTitle, 1048624);
    EXPECT_EQ(bytesOf(folder.databasePath()), database);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
    EXPECT_FALSE(modal.ended());
}

TEST_F(Maintenance, FailedBackupKeepsTheWindowOpenWithItsBoxes) {
    Frmbackup& w = loadBackup();
    const QString target = folder.filePath(QStringLiteral("missing folder/b.mdbB"));
    w.Text1->setText(target);
    w.VisualButtonEx2->click();
    ASSERT_EQ(modal.count(Kind::Message), 1);
    EXPECT_TRUE(modal.calls[0].text.startsWith(texts::kCopyFailed + QLatin1Char('\n')));
    EXPECT_FALSE(modal.ended());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Text1->text(), target);
    for (QPushButton* button : {w.b1, w.b2, w.VisualButtonEx2, w.VisualButtonEx3, w.Command1}) {
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    }
}

TEST_F(Maintenance, RestoreIsAskedAndOnlyYesReplacesTheDatabase) {
    const QString backup = folder.filePath(QStringLiteral("before.mdbB"));
    folder.addExaminee(QStringLiteral("old"));
    ASSERT_TRUE(QFile::copy(folder.databasePath(), backup));
    folder.addExaminee(QStringLiteral("new"));
    const QByteArray current = bytesOf(folder.databasePath());
    // A journal of the replaced file must not outlive it.
    writeBytes(folder.databasePath() + QStringLiteral("-journal"), QByteArray(512, '\0'));

    Frmbackup& w = loadBackup();
    w.Text2->setText(backup);
    w.VisualButtonEx3->click(); // No
    EXPECT_EQ(modal.messages(), QStringList({texts::kRestoreQuestion, texts::kRestoreRefused}));
    EXPECT_EQ(modal.calls[0].style, style::kYesNo);
    EXPECT_EQ(modal.calls[1].style, style::kOk);
    EXPECT_EQ(bytesOf(folder.databasePath()), current);
    EXPECT_FALSE(modal.ended());

    modal.clear();
    modal.messageAnswers = {answer::kYes};
    w.VisualButtonEx3->click();
    EXPECT_EQ(modal.messages(), QStringList({texts::kRestoreQuestion, texts::kRestoreDone}));
    EXPECT_EQ(modal.calls[1].style, style::kOk);
    EXPECT_EQ(modal.calls[1].title, QString());
    EXPECT_TRUE(modal.ended());
    EXPECT_EQ(bytesOf(folder.databasePath()), bytesOf(backup));
    EXPECT_FALSE(QFile::exists(folder.databasePath() + QStringLiteral("-journal")));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT group_concat(Code) FROM IDE")), QStringLiteral("old"));
}

TEST_F(Maintenance, WhileACopyRunsNothingStartsAnotherNorWritesNorCloses) {
    const QString backup = folder.filePath(QStringLiteral("b.mdbB"));
    Frmbackup& w = loadBackup();
    w.Text1->setText(backup);
    std::vector<bool> enabled;
    int writeResult = SQLITE_OK;
    bool copyingSeen = false;
    bool stayed = false;
    QTimer::singleShot(0, &w, [&] {
        copyingSeen = w.copying();
        for (QPushButton* button : {w.b1, w.b2, w.VisualButtonEx2, w.VisualButtonEx3, w.Command1}) {
            enabled.push_back(button->isEnabled());
        }
        w.close();
        stayed = !w.isUnloaded();
        w.VisualButtonEx3_Click();
        auto writer = pentarix::sql::Connection::open(folder.databasePath().toStdString());
        sqlite3_busy_timeout(writer.handle(), 0);
        writeResult = sqlite3_exec(writer.handle(), "INSERT INTO Answer (Code) VALUES ('during')", nullptr,
                                   nullptr, nullptr);
    });
    const QByteArray database = bytesOf(folder.databasePath());
    w.VisualButtonEx2->click();

    EXPECT_TRUE(copyingSeen);
    EXPECT_EQ(enabled, std::vector<bool>(5, false));
    EXPECT_TRUE(stayed);
    EXPECT_EQ(writeResult & 0xff, SQLITE_BUSY);
    EXPECT_EQ(bytesOf(backup), database);
    EXPECT_EQ(modal.messages(), QStringList({texts::kBackupDone}));
    EXPECT_FALSE(w.copying());
}

TEST_F(Maintenance, ClosingTheBackupWindowEndsTheProgram) {
    for (const bool byButton : {true, false}) {
        modal.clear();
        Frmbackup& w = loadBackup();
        if (byButton) w.Command1->click();
        else w.close();
        EXPECT_TRUE(modal.ended()) << (byButton ? "exit button" : "close box");
        EXPECT_FALSE(pentarix::isLoaded<Frmbackup>());
    }
}

// The failure box as the operator sees it, on the real dialogs.
TEST(BackupMessages, CopyFailureShowsACriticalRightToLeftBox) {
    AppFolder folder;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    QTimer::singleShot(50, qApp, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        text = box->text();
        icon = box->icon();
        direction = box->layoutDirection();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(pentarix::CopyFileInChunks(folder.filePath(QStringLiteral("none")), folder.filePath(QStringLiteral("t"))),
              0);
    EXPECT_TRUE(text.startsWith(texts::kCopyFailed));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(direction, Qt::RightToLeft);
}

// --- The exit dialog.

void moveOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void clickOn(QWidget* widget) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &click);
    }
}

exitpro& showExit() {
    pentarix::showExitDialog(5000, 1500);
    return pentarix::form<exitpro>();
}

TEST_F(Maintenance, ExitDialogLooksAsDesigned) {
    exitpro& d = showExit();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), exit_texts::kCaption);
    EXPECT_EQ(d.size(), twips::size(4575, 3360));
    EXPECT_EQ(d.pos(), twips::point(5000, 1500));
    // The colours as drawn, at the margins of the dialog and of the check box.
    EXPECT_EQ(d.grab().toImage().pixelColor(3, 3), QColor(0, 192, 192));
    const QImage check = d.Check1->grab().toImage();
    EXPECT_EQ(check.pixelColor(check.width() / 3, 1), QColor(192, 255, 255));
    EXPECT_EQ(d.Label1->text(), exit_texts::kLabel1Caption);
    EXPECT_EQ(d.Label1->geometry(), twips::rect(360, 480, 3552, 1032));
    EXPECT_EQ(d.Check1->text(), exit_texts::kCheck1Caption);
    EXPECT_EQ(d.Check1->geometry(), twips::rect(840, 1440, 2475, 375));
    EXPECT_FALSE(d.Check1->isChecked());
    EXPECT_EQ(d.Check1->palette().color(QPalette::WindowText), QColor(128, 64, 64));
    EXPECT_NE(d.Check1->focusPolicy(), Qt::NoFocus);
    for (QLabel* picture : {d.k1, d.k2}) EXPECT_EQ(picture->geometry(), twips::rect(2460, 2220, 1440, 525));
    for (QLabel* picture : {d.C1, d.C2}) EXPECT_EQ(picture->geometry(), twips::rect(360, 2220, 1440, 525));
    for (QLabel* picture : {d.k1, d.k2, d.C1, d.C2}) {
        EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString();
        EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(picture->cursor().shape(), Qt::BitmapCursor);
        EXPECT_FALSE(picture->cursor().pixmap().isNull());
    }
    EXPECT_TRUE(d.k1->isVisible());
    EXPECT_TRUE(d.C1->isVisible());
    EXPECT_FALSE(d.k2->isVisible());
    EXPECT_FALSE(d.C2->isVisible());
    for (QTimer* timer : {d.Timer2, d.Timer3, d.tmCaptionAnimate}) {
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 500);
    }
}

TEST_F(Maintenance, PicturesLightUpUnderTheMouseUntilItCrossesTheBackground) {
    exitpro& d = showExit();
    struct Hover {
        QLabel* plain;
        QLabel* lit;
    };
    for (const Hover& hover : {Hover{d.k1, d.k2}, Hover{d.C1, d.C2}}) {
        moveOver(hover.plain);
        EXPECT_FALSE(hover.plain->isVisible()) << hover.plain->objectName().toStdString();
        EXPECT_TRUE(hover.lit->isVisible());
        // The lit picture, the question and the check box leave it lit.
        for (QWidget* other : {static_cast<QWidget*>(hover.lit), static_cast<QWidget*>(d.Label1),
                               static_cast<QWidget*>(d.Check1)}) {
            moveOver(other);
            EXPECT_TRUE(hover.lit->isVisible()) << other->objectName().toStdString();
        }
        moveOver(&d);
        EXPECT_TRUE(hover.plain->isVisible());
        EXPECT_FALSE(hover.lit->isVisible());
    }
}

TEST_F(Maintenance, ConfirmingWithoutTheBoxEndsTheProgramAndOnlyTheLitPictureClicks) {
    exitpro& d = showExit();
    clickOn(d.k1);
    EXPECT_FALSE(modal.ended());
    moveOver(d.k1);
    clickOn(d.k2);
    EXPECT_TRUE(modal.ended());
    EXPECT_FALSE(pentarix::isLoaded<Frmbackup>());
}

TEST_F(Maintenance, ConfirmingWithTheBoxHandsOverToTheBackupWindow) {
    exitpro& d = showExit();
    d.Check1->setFocus();
    QTest::keyClick(d.Check1, Qt::Key_Space);
    ASSERT_TRUE(d.Check1->isChecked());
    moveOver(d.k1);
    clickOn(d.k2);
    EXPECT_FALSE(modal.ended());
    ASSERT_TRUE(pentarix::isLoaded<Frmbackup>());
    EXPECT_TRUE(pentarix::form<Frmbackup>().isVisible());
    EXPECT_TRUE(pentarix::isLoaded<exitpro>());
    EXPECT_FALSE(d.isVisible());
    pentarix::form<Frmbackup>().Command1->click();
    EXPECT_TRUE(modal.ended());
}

TEST_F(Maintenance, CancellingBringsAFreshMainWindowBack) {
    exitpro& d = showExit();
    moveOver(d.C1);
    clickOn(d.C2);
    EXPECT_FALSE(modal.ended());
    EXPECT_FALSE(pentarix::isLoaded<exitpro>());
    ASSERT_TRUE(pentarix::isLoaded<pentarix::Frm1>());
    pentarix::Frm1& main = pentarix::form<pentarix::Frm1>();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.Text3->text(), QStringLiteral("2"));
    for (QWidget* panel : {main.Frame6, main.Frame8, main.Frame9, main.Frame10}) EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(main.styleSheet().isEmpty());
}

TEST_F(Maintenance, TitleAlternatesAndTheCheckBoxCaptionFollowsIt) {
    exitpro& d = showExit();
    d.Check1->setChecked(true);
    d.Timer2_Timer();
    EXPECT_EQ(d.windowTitle(), exit_texts::kTimer2Title);
    EXPECT_FALSE(d.Timer2->isActive());
    EXPECT_TRUE(d.Timer3->isActive());
    d.tmCaptionAnimate_Timer();
    EXPECT_EQ(d.Check1->text(), exit_texts::kTimer2Title);
    d.Timer3_Timer();
    EXPECT_EQ(d.windowTitle(), exit_texts::kTimer3Title);
    EXPECT_TRUE(d.Timer2->isActive());
    EXPECT_FALSE(d.Timer3->isActive());
    d.tmCaptionAnimate_Timer();
    EXPECT_EQ(d.Check1->text(), exit_texts::kTimer3Title);
    EXPECT_TRUE(d.Check1->isChecked());
    // A title too short to read is put back.
    d.setWindowTitle(QStringLiteral("x"));
    d.tmCaptionAnimate_Timer();
    EXPECT_EQ(d.windowTitle(), exit_texts::kTimer2Title);
}

TEST_F(Maintenance, AfterASecondTheTitleAndCaptionAreAlternating) {
    exitpro& d = showExit();
    QStringList titles;
    QStringList captions;
    // Both timers tick every 500 ms; a loaded machine can hold one back for a
    // tick, so the dialog is watched for a few of them.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000) {
        QTest::qWait(20);
        if (clock.elapsed() < 1000) continue;
        if (titles.isEmpty() || titles.back() != d.windowTitle()) titles << d.windowTitle();
        if (captions.isEmpty() || captions.back() != d.Check1->text()) captions << d.Check1->text();
    }
    EXPECT_TRUE(titles.contains(exit_texts::kTimer2Title)) << titles.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(titles.contains(exit_texts::kTimer3Title));
    EXPECT_TRUE(captions.contains(exit_texts::kTimer2Title));
    EXPECT_TRUE(captions.contains(exit_texts::kTimer3Title));
}

TEST_F(Maintenance, ExitDialogShownAgainStaysShownAndOnlyMoves) {
    pentarix::showExitDialog(5000, 4500);
    exitpro& d = pentarix::form<exitpro>();
    EXPECT_EQ(d.pos(), twips::point(5000, 4500));
    d.Check1->setChecked(true);
    pentarix::showExitDialog(5000, 1500);
    EXPECT_EQ(&pentarix::form<exitpro>(), &d);
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.Check1->isChecked());
    EXPECT_EQ(d.pos(), twips::point(5000, 1500));
}

} // namespace
