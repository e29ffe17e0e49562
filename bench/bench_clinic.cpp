// The everyday actions of the program on a clinic's database of 10,000 and
// 100,000 examinees with complete answer sheets and scores:
//
//   ClinicStart               the program, a whole process, from its start to its main window shown
//   MainWindowStart           the same in a running process: the start routine to the main window painted
//   ScoringWindowOpen         the main window's scoring button to the scoring window shown
//   LookupOpenAfterEdits      the main window's lookup button to the lookup window shown, after a
//                             deletion and a scoring made just before (not timed)
//   RegistrationAfterDeletion the registration panel's save, after a deletion (not timed)
//   TestNextItem              the test window's next button, after an option was chosen
//   TestSaveAndClose          the test window's save-and-leave, until the main window has the test
//                             window loaded again for the next examinee (close_ms: until it closed)
//   ScoreExaminee             the scoring window's select-and-score for one code
//   DeleteExaminee            the lookup window's delete button for one code, answered Yes
//   PeakMemory                peak resident memory of a process that opens the main window, the lookup
//                             window and the scoring window, beside the database file's size
//
// Each figure stands beside a yardstick made with the sqlite3 C API in the
// same iteration: raw_ms is its time, x_raw the action's time over it. For
// the start and the windows it copies every field of every row of the tables
// the windows read (Theme, IDE, Answer); for an action on one examinee it
// reads that examinee's rows and makes the same writes as the action, on a
// twin copy of the file so that its commits never count as another program's
// writes to the program's file. The label of each row says which.
//
// Time is taken around the action only (manual time); what prepares it is
// not counted. Every iteration checks that the action did its work (rows
// stored or gone, the window shown with every examinee, no message box
// instead), and a failure stops the benchmark and makes the program exit
// non-zero.
//
// PeakMemory runs this program again with --memory-child, so that the peak is
// that of a process which did nothing else.
#include "data/value_text.h"
#include "examinees/frm_code.h"
#include "examinees/frm_code_texts.h"
#include "platform/fonts.h"
#include "platform/view_models.h"
#include "scoring/frmk_lid.h"
#include "scoring/frmk_lid_texts.h"
#include "shell/application.h"
#include "shell/frm1.h"
#include "support/bench_folder.h"
#include "support/clinic_data.h"
#include "support/peak_memory.h"
#include "support/quiet_modal.h"
#include "support/raw_sqlite.h"
#include "testing/frm_test.h"
#include "testing/item_key.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

using pentarix::FrmCode;
using pentarix::FrmkLID;
using pentarix::FrmTest;
using pentarix::Frm1;
using pentarix::bench::BenchFolder;
using pentarix::bench::QuietModal;
using pentarix::bench::RawDatabase;
using pentarix::bench::clinicCode;
using pentarix::bench::fail;
using pentarix::bench::peakResidentKB;

namespace {

using Clock = std::chrono::steady_clock;

template <class F>
double secondsOf(F&& f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The action's time is the iteration's time; the yardstick's is kept beside
// it and reported as raw_ms and x_raw.
class SideBySide {
public:
    SideBySide(benchmark::State& state, const char* yardstick) : state_(state) { state_.SetLabel(yardstick); }
    ~SideBySide() {
        if (actions_ == 0 || raws_ == 0 || raw_ <= 0) return;
        const double action = action_ / actions_;
        const double raw = raw_ / raws_;
        state_.counters["raw_ms"] = raw * 1e3;
        state_.counters["x_raw"] = action / raw;
    }
    SideBySide(const SideBySide&) = delete;
    SideBySide& operator=(const SideBySide&) = delete;

    template <class F>
    void action(F&& f) {
        const double seconds = secondsOf(f);
        state_.SetIterationTime(seconds);
        action_ += seconds;
        ++actions_;
    }
    template <class F>
    void raw(F&& f) {
        raw_ += secondsOf(f);
        ++raws_;
    }
    // A yardstick that only reads: a few samples are enough, and reading
    // every row of a large clinic takes far longer than most actions.
    template <class F>
    void rawSample(F&& f) {
        if (raws_ < kRawSamples) raw(std::forward<F>(f));
    }

private:
    static constexpr int kRawSamples = 3;
    benchmark::State& state_;
    double action_ = 0;
    double raw_ = 0;
    int actions_ = 0;
    int raws_ = 0;
};

// Lets shown windows paint and closed windows go.
void settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string utf8(const QString& text) { return text.toStdString(); }

std::string shown(const QStringList& messages) {
    return messages.isEmpty() ? std::string("no box") : "boxes: " + utf8(messages.join(QStringLiteral(" | ")));
}

// The k-th examinee to delete, scattered over the table, each one once:
// always an even index, so never one awaiting scoring. -1 once all were given.
int toDelete(int n, int k) {
    const int half = n / 2;
    if (k >= half) return -1;
    return 2 * static_cast<int>((static_cast<long long>(k) * 7919 + 13) % half);
}

std::string codeOf(benchmark::State& state, int index) {
    if (index < 0) {
        fail(state, "every examinee the benchmark may use was used; run fewer iterations");
        return {};
    }
    return clinicCode(index);
}

// The five factor sums of the examinee's stored answer sheet, item i
// counting for factor (i - 1) mod 5, as read from the file.
bool storedSums(const RawDatabase& db, const std::string& code, int (&sums)[5]) {
    const auto rows = db.readWhere("Answer", "Code", code);
    if (rows.size() != 1 || rows[0].size() != 52) return false;
    for (int& s : sums) s = 0;
    for (int item = 1; item <= 50; ++item) {
        const std::string& value = rows[0][static_cast<std::size_t>(item) + 1];
        if (value.size() != 1 || value[0] < '1' || value[0] > '5') return false;
        sums[(item - 1) % 5] += value[0] - '0';
    }
    return true;
}

// What is wrong with the examinee's stored scores; empty when they are the
// sums of the stored answer sheet.
std::string scoreProblem(const RawDatabase& db, const std::string& code) {
    int sums[5];
    if (!storedSums(db, code, sums)) return "the answer sheet of " + code + " is not complete in the file";
    const char* factors[] = {"E", "A", "C", "ES", "O"};
    for (int f = 0; f < 5; ++f) {
        const std::string stored =
            db.text(std::string("SELECT \"") + factors[f] + "\" FROM IDE WHERE Code = ?", {code});
        if (stored != std::to_string(sums[f])) {
            return "stored " + std::string(factors[f]) + " of " + code + " is '" + stored + "', not " +
                   std::to_string(sums[f]);
        }
    }
    return {};
}

// One benchmark's program: a fresh copy of the clinic's database in an
// application folder, the quiet modal host and the main window loaded and
// shown, as the program has them after its start.
class Session {
public:
    explicit Session(int n) : folder(n), check(folder.databasePath()) {
        Frm1& window = pentarix::form<Frm1>();
        if (!window.isUnloaded()) window.show();
        settle();
        if (modal.ended || !modal.messages.isEmpty() || !window.isVisible()) {
            problem = "the main window did not open: " + shown(modal.messages);
        }
        main = &window;
    }
    ~Session() {
        pentarix::FormSlotBase::discardAll();
        settle();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    BenchFolder folder;
    QuietModal modal;
    RawDatabase check;
    Frm1* main = nullptr;
    std::string problem;
};

// The main window's lookup button, the code typed into the deletion box,
// delete, Yes, and the window closed again. Empty when both rows are gone.
std::string deleteThroughLookup(Session& s, const std::string& code) {
    s.main->Command4->click();
    settle();
    FrmCode* window = pentarix::formSlot<FrmCode>().peek();
    if (!window || !window->isVisible()) return "the lookup window did not open: " + shown(s.modal.take());
    window->Text5->setText(QString::fromStdString(code));
    window->Command2->click();
    const QStringList boxes = s.modal.take();
    window->Command6->click();
    settle();
    if (boxes != QStringList{pentarix::frm_code_texts::kQuestion, pentarix::frm_code_texts::kDeleted}) {
        return "deleting " + code + " showed " + shown(boxes);
    }
    if (s.check.exists("IDE", code) || s.check.exists("Answer", code)) return "the rows of " + code + " are still there";
    if (!s.main->isVisible()) return "the main window did not come back after the lookup window";
    return {};
}

// The main window's scoring button, select-and-score with the code, and the
// window closed again. Empty when the scores were stored.
std::string scoreThroughScoringWindow(Session& s, const std::string& code) {
    s.main->Command3->click();
    settle();
    FrmkLID* window = pentarix::formSlot<FrmkLID>().peek();
    if (!window || !window->isVisible()) return "the scoring window did not open: " + shown(s.modal.take());
    s.modal.input = QString::fromStdString(code);
    const auto before = pentarix::bench::fileChangeCounter(s.folder.databasePath());
    window->Command1->click();
    const QStringList boxes = s.modal.take();
    const bool written = pentarix::bench::fileChangeCounter(s.folder.databasePath()) != before;
    window->Command4->click();
    settle();
    if (boxes != QStringList{pentarix::frmk_lid_texts::kScored}) return "scoring " + code + " showed " + shown(boxes);
    if (!written) return "scoring " + code + " wrote nothing to the file";
    return scoreProblem(s.check, code);
}

// The registration panel opened and filled, up to the save.
void fillRegistration(Frm1& main, const QString& code) {
    main.Command1->click();
    main.Text11->setText(code);
    main.Text6->setText(QStringLiteral("نرگس"));
    main.Text4->setText(QStringLiteral("صادقی"));
    main.Text5->setText(QStringLiteral("31"));
    main.Text7->setText(QStringLiteral("کارشناسی ارشد"));
    main.Combo1->setCurrentIndex(1);
    main.Combo2->setCurrentIndex(1);
    main.Combo3->setCurrentIndex(2);
}

// What is wrong after a save of the registration panel; empty when both rows
// of the code were stored and the panel closed without a box.
std::string registrationProblem(Session& s, const QString& code) {
    const QStringList boxes = s.modal.take();
    if (!boxes.isEmpty()) return "saving " + utf8(code) + " showed " + shown(boxes);
    if (s.main->Frame10->isVisible()) return "the registration panel stayed open";
    if (!s.check.exists("IDE", utf8(code)) || !s.check.exists("Answer", utf8(code))) {
        return "the rows of " + utf8(code) + " were not stored";
    }
    return {};
}

// The test window as the main window's test button leaves it for the
// examinee with the code, without its modal loop, started on item 1.
FrmTest* startTest(Session& /*session*/, const QString& code) {
    FrmTest& window = pentarix::form<FrmTest>();
    window.Adodc2->Refresh();
    window.Adodc3->Refresh();
    const QString filter = pentarix::codeFilter(code);
    window.Adodc2->Filter(filter);
    window.Adodc3->Filter(filter);
    window.show();
    window.Command1->click();
    settle();
    if (window.Adodc2->RecordCount() != 1 || window.Frame2->title() != QStringLiteral("1")) return nullptr;
    return &window;
}

int storedAnswer(const RawDatabase& db, const QString& code, int item) {
    const std::string value =
        db.text("SELECT \"" + std::to_string(item) + "\" FROM Answer WHERE Code = ?", {utf8(code)});
    return value.empty() ? 0 : std::stoi(value);
}

int keyedValue(int option, int item) {
    return pentarix::ItemKey::valueOf(option, pentarix::ItemKey::directionOf(item));
}

const char* const kTablesYardstick = "raw: every row of Theme, IDE, Answer";

// --- Start.

struct ProcessRun {
    bool ok = false;
    std::string output;
};

ProcessRun runProcess(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    ProcessRun run;
    run.ok = process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit &&
             process.exitCode() == 0;
    run.output = process.readAllStandardOutput().toStdString();
    if (!run.ok) {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
        run.output += process.readAllStandardError().toStdString();
    }
    return run;
}

// The program on the clinic's folder until its main window is shown
// (--exit-when-shown leaves the event loop on its first round, after the
// window's first paint), beside the smallest Qt program that shows a window
// of Persian text (qt_window_ms).
void ClinicStart(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchFolder folder(n);
    double qtWindow = 0;
    int runs = 0;
    {
        SideBySide clock(state, kTablesYardstick);
        for (auto _ : state) {
            ProcessRun run;
            clock.action([&] {
                run = runProcess(QStringLiteral(PENTARIX_PROGRAM), {QStringLiteral("--exit-when-shown")}, folder.path());
            });
            if (!run.ok) {
                fail(state, "the program did not show its main window and exit cleanly: " + run.output);
                break;
            }
            clock.rawSample([&] {
                benchmark::DoNotOptimize(pentarix::bench::readTables(folder.databasePath(), {"Theme", "IDE", "Answer"}));
            });
            qtWindow += secondsOf([&] {
                run = runProcess(QStringLiteral(PENTARIX_MINIMAL_WINDOW), {QStringLiteral("--text")}, folder.path());
            });
            if (!run.ok) {
                fail(state, "the minimal Qt window program failed: " + run.output);
                break;
            }
            ++runs;
        }
    }
    if (runs > 0) state.counters["qt_window_ms"] = qtWindow / runs * 1e3;
}

// --- Windows.

// The program's own part of the start, in a process whose Qt is already up:
// the start routine (the database check, the main window's views and
// controls) until the main window is painted. ClinicStart adds what every Qt
// program pays to start and end, which its qt_window_ms shows alone.
void MainWindowStart(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchFolder folder(n);
    QuietModal modal;
    SideBySide clock(state, kTablesYardstick);
    for (auto _ : state) {
        bool started = false;
        clock.action([&] {
            started = pentarix::startApplication();
            if (started) pentarix::form<Frm1>().repaint();
        });
        Frm1* window = pentarix::formSlot<Frm1>().peek();
        if (!started || !window || !window->isVisible() || !modal.messages.isEmpty()) {
            fail(state, "the main window did not open: " + shown(modal.take()));
            break;
        }
        clock.rawSample([&] {
            benchmark::DoNotOptimize(pentarix::bench::readTables(folder.databasePath(), {"Theme", "IDE", "Answer"}));
        });
        pentarix::FormSlotBase::discardAll();
        settle();
    }
}

void ScoringWindowOpen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Session s(n);
    if (!s.problem.empty()) return fail(state, s.problem);
    SideBySide clock(state, kTablesYardstick);
    for (auto _ : state) {
        clock.action([&] {
            s.main->Command3->click();
            QApplication::processEvents();
        });
        FrmkLID* window = pentarix::formSlot<FrmkLID>().peek();
        if (!window || !window->isVisible() || s.main->isVisible()) {
            fail(state, "the scoring window did not take the main window's place: " + shown(s.modal.take()));
            break;
        }
        if (window->Adodc6->RecordCount() != n || !s.modal.messages.isEmpty()) {
            fail(state, "the scoring window's list holds " + std::to_string(window->Adodc6->RecordCount()) +
                            " examinees, " + shown(s.modal.take()));
            break;
        }
        clock.rawSample([&] {
            benchmark::DoNotOptimize(pentarix::bench::readTables(s.folder.databasePath(), {"Theme", "IDE", "Answer"}));
        });
        window->Command4->click();
        settle();
    }
}

void LookupOpenAfterEdits(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Session s(n);
    if (!s.problem.empty()) return fail(state, s.problem);
    SideBySide clock(state, kTablesYardstick);
    int deleted = 0;
    for (auto _ : state) {
        const std::string victim = codeOf(state, toDelete(n, deleted));
        const std::string scored = codeOf(state, pentarix::bench::awaitingScoring(n, deleted));
        if (victim.empty() || scored.empty()) break;
        std::string problem = deleteThroughLookup(s, victim);
        if (problem.empty()) problem = scoreThroughScoringWindow(s, scored);
        if (!problem.empty()) {
            fail(state, problem);
            break;
        }
        ++deleted;
        clock.action([&] {
            s.main->Command4->click();
            QApplication::processEvents();
        });
        FrmCode* window = pentarix::formSlot<FrmCode>().peek();
        if (!window || !window->isVisible() || s.main->isVisible() || !s.modal.messages.isEmpty()) {
            fail(state, "the lookup window did not take the main window's place: " + shown(s.modal.take()));
            break;
        }
        if (window->DataGrid1Rows->rowCount() != n - deleted) {
            fail(state, "the lookup grid shows " + std::to_string(window->DataGrid1Rows->rowCount()) +
                            " examinees, not " + std::to_string(n - deleted));
            break;
        }
        clock.rawSample([&] {
            benchmark::DoNotOptimize(pentarix::bench::readTables(s.folder.databasePath(), {"Theme", "IDE", "Answer"}));
        });
        window->Command6->click();
        settle();
    }
}

// --- Actions on one examinee.

void RegistrationAfterDeletion(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Session s(n);
    if (!s.problem.empty()) return fail(state, s.problem);
    const RawDatabase twin(s.folder.twinPath());
    SideBySide clock(state, "raw: look both codes up, insert both rows (2 commits)");
    int k = 0;
    for (auto _ : state) {
        const std::string victim = codeOf(state, toDelete(n, k++));
        if (victim.empty()) break;
        if (const std::string problem = deleteThroughLookup(s, victim); !problem.empty()) {
            fail(state, problem);
            break;
        }
        const QString code = pentarix::bench::uniqueCode();
        fillRegistration(*s.main, code);
        clock.action([&] { s.main->Command8->click(); });
        if (const std::string problem = registrationProblem(s, code); !problem.empty()) {
            fail(state, problem);
            break;
        }
        const std::string twinCode = utf8(pentarix::bench::uniqueCode());
        clock.raw([&] {
            if (twin.exists("Answer", twinCode) || twin.exists("IDE", twinCode)) return;
            twin.write("INSERT INTO Answer (Code) VALUES (?)", {twinCode});
            twin.write("INSERT INTO IDE (Code, FName, LName, Jens, Sen, Taahol, Tahsil, \"Group\", \"Date\", \"Time\")"
                       " VALUES (?, 'نرگس', 'صادقی', 'زن', '31', 'متأهل', 'کارشناسی ارشد', 'C', '1404/09/19', '10:24:31')",
                       {twinCode});
        });
        if (!twin.exists("IDE", twinCode)) {
            fail(state, "the yardstick did not store its rows");
            break;
        }
    }
}

void TestNextItem(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Session s(n);
    if (!s.problem.empty()) return fail(state, s.problem);
    const QString code = pentarix::bench::uniqueCode();
    fillRegistration(*s.main, code);
    s.main->Command8->click();
    FrmTest* window = nullptr;
    if (const std::string problem = registrationProblem(s, code); !problem.empty()) return fail(state, problem);
    if (!(window = startTest(s, code))) return fail(state, "the test window did not start on item 1");
    const RawDatabase twin(s.folder.twinPath());
    const std::string twinCode = clinicCode(n / 2);
    SideBySide clock(state, "raw: update the item's field (1 commit), read the next item");
    int k = 0;
    for (auto _ : state) {
        int item = window->Frame2->title().toInt();
        if (item >= pentarix::ItemKey::kItems) {
            // Back to the first item, as the start button puts it.
            window->Text6->setText(QStringLiteral("0"));
            window->Text6->setText(QStringLiteral("1"));
            item = window->Frame2->title().toInt();
        }
        const int option = 1 + k++ % 5;
        window->options()[static_cast<std::size_t>(option - 1)]->click();
        clock.action([&] { window->CmdNext->click(); });
        if (window->Frame2->title() != QString::number(item + 1) || !s.modal.messages.isEmpty()) {
            fail(state, "next on item " + std::to_string(item) + " shows item " + utf8(window->Frame2->title()) +
                            ", " + shown(s.modal.take()));
            break;
        }
        if (storedAnswer(s.check, code, item) != keyedValue(option, item)) {
            fail(state, "the answer to item " + std::to_string(item) + " was not stored");
            break;
        }
        int changed = 0;
        clock.raw([&] {
            changed = twin.write("UPDATE Answer SET \"" + std::to_string(item) + "\" = ? WHERE Code = ?",
                                 {std::to_string(keyedValue(option, item)), twinCode});
            benchmark::DoNotOptimize(twin.readWhere("QU", "ID", std::to_string(item + 1)));
        });
        if (changed != 1) {
            fail(state, "the yardstick stored nothing");
            break;
        }
    }
}

// The closed test window is gone, and a fresh one waits hidden for the next
// examinee, with nothing said to the operator.
bool closedAndLoadedAgain(const QPointer<FrmTest>& closed, const Session& s) {
    return (!closed || closed->isUnloaded()) && pentarix::isLoaded<FrmTest>() &&
           pentarix::formSlot<FrmTest>().peek() != closed.data() && s.modal.messages.isEmpty();
}

void TestSaveAndClose(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Session s(n);
    if (!s.problem.empty()) return fail(state, s.problem);
    const QString code = pentarix::bench::uniqueCode();
    fillRegistration(*s.main, code);
    s.main->Command8->click();
    if (const std::string problem = registrationProblem(s, code); !problem.empty()) return fail(state, problem);
    const RawDatabase twin(s.folder.twinPath());
    const std::string twinCode = clinicCode(n / 2);
    double closing = 0;
    int runs = 0;
    {
        SideBySide clock(state, "raw: update one field (1 commit)");
        for (auto _ : state) {
            QPointer<FrmTest> window = startTest(s, code);
            if (!window) {
                fail(state, "the test window did not start on item 1");
                break;
            }
            const int option = 1 + runs % 5;
            window->options()[static_cast<std::size_t>(option - 1)]->click();
            clock.action([&] {
                closing += secondsOf([&] { window->Command5->click(); });
                // The main window loads the test window again, hidden, for
                // the next examinee, before its own events run again.
                pentarix::form<FrmTest>();
                QApplication::processEvents();
            });
            ++runs;
            if (!closedAndLoadedAgain(window, s)) {
                fail(state, "the test window did not close and load again: " + shown(s.modal.take()));
                break;
            }
            if (storedAnswer(s.check, code, 1) != keyedValue(option, 1)) {
                fail(state, "the answer to item 1 was not stored");
                break;
            }
            settle();
            int changed = 0;
            clock.raw([&] {
                changed = twin.write("UPDATE Answer SET \"1\" = ? WHERE Code = ?",
                                     {std::to_string(keyedValue(option, 1)), twinCode});
            });
            if (changed != 1) {
                fail(state, "the yardstick stored nothing");
                break;
            }
        }
    }
    if (runs > 0) state.counters["close_ms"] = closing / runs * 1e3;
}

void ScoreExaminee(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Session s(n);
    if (!s.problem.empty()) return fail(state, s.problem);
    s.main->Command3->click();
    settle();
    FrmkLID* window = pentarix::formSlot<FrmkLID>().peek();
    if (!window || !window->isVisible()) return fail(state, "the scoring window did not open");
    const RawDatabase twin(s.folder.twinPath());
    SideBySide clock(state, "raw: read the examinee's two rows, add, update the scores (1 commit)");
    int k = 0;
    for (auto _ : state) {
        const std::string code = codeOf(state, pentarix::bench::awaitingScoring(n, k++));
        if (code.empty()) break;
        s.modal.input = QString::fromStdString(code);
        const auto before = pentarix::bench::fileChangeCounter(s.folder.databasePath());
        clock.action([&] { window->Command1->click(); });
        const QStringList boxes = s.modal.take();
        if (boxes != QStringList{pentarix::frmk_lid_texts::kScored} || window->Text5->text() != s.modal.input) {
            fail(state, "scoring " + code + " showed " + shown(boxes));
            break;
        }
        if (pentarix::bench::fileChangeCounter(s.folder.databasePath()) == before) {
            fail(state, "scoring " + code + " wrote nothing to the file");
            break;
        }
        if (const std::string problem = scoreProblem(s.check, code); !problem.empty()) {
            fail(state, problem);
            break;
        }
        int changed = 0;
        clock.raw([&] {
            int sums[5];
            if (!storedSums(twin, code, sums)) return;
            benchmark::DoNotOptimize(twin.readWhere("IDE", "Code", code));
            changed = twin.write("UPDATE IDE SET E = ?, A = ?, C = ?, ES = ?, O = ? WHERE Code = ?",
                                 {std::to_string(sums[0]), std::to_string(sums[1]), std::to_string(sums[2]),
                                  std::to_string(sums[3]), std::to_string(sums[4]), code});
        });
        if (changed != 1) {
            fail(state, "the yardstick stored nothing");
            break;
        }
    }
}

void DeleteExaminee(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Session s(n);
    if (!s.problem.empty()) return fail(state, s.problem);
    s.main->Command4->click();
    settle();
    FrmCode* window = pentarix::formSlot<FrmCode>().peek();
    if (!window || !window->isVisible()) return fail(state, "the lookup window did not open");
    const RawDatabase twin(s.folder.twinPath());
    SideBySide clock(state, "raw: read the examinee's two rows, delete both (2 commits)");
    int deleted = 0;
    for (auto _ : state) {
        const std::string code = codeOf(state, toDelete(n, deleted));
        if (code.empty()) break;
        window->Text5->setText(QString::fromStdString(code));
        clock.action([&] { window->Command2->click(); });
        ++deleted;
        const QStringList boxes = s.modal.take();
        if (boxes != QStringList{pentarix::frm_code_texts::kQuestion, pentarix::frm_code_texts::kDeleted}) {
            fail(state, "deleting " + code + " showed " + shown(boxes));
            break;
        }
        if (s.check.exists("IDE", code) || s.check.exists("Answer", code)) {
            fail(state, "the rows of " + code + " are still there");
            break;
        }
        if (window->DataGrid1Rows->rowCount() != n - deleted) {
            fail(state, "the lookup grid shows " + std::to_string(window->DataGrid1Rows->rowCount()) +
                            " examinees, not " + std::to_string(n - deleted));
            break;
        }
        int changed = 0;
        clock.raw([&] {
            benchmark::DoNotOptimize(twin.readWhere("IDE", "Code", code));
            benchmark::DoNotOptimize(twin.readWhere("Answer", "Code", code));
            changed = twin.write("DELETE FROM IDE WHERE Code = ?", {code});
            changed += twin.write("DELETE FROM Answer WHERE Code = ?", {code});
        });
        if (changed != 2) {
            fail(state, "the yardstick deleted nothing");
            break;
        }
    }
}

// --- Memory.

struct MemoryStages {
    std::map<std::string, double> peakMB; // VmHWM after each stage
    std::string problem;
};

MemoryStages runMemoryChild(const QStringList& arguments, const QString& folder) {
    MemoryStages stages;
    const ProcessRun run = runProcess(QCoreApplication::applicationFilePath(), arguments, folder);
    if (!run.ok) {
        stages.problem = "the measuring process failed: " + run.output;
        return stages;
    }
    for (const QString& line : QString::fromStdString(run.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() == 3 && parts[0] == QStringLiteral("stage")) {
            stages.peakMB[utf8(parts[1])] = parts[2].toDouble() / 1024.0;
        }
    }
    return stages;
}

// The peak resident memory of a process that opens the main window on the
// clinic's folder, then the lookup window, closes it, then the scoring
// window, as the operator reaches them through the menu; beside the size of
// the database file (x_file: the peak over the file's size), and the peak of
// a process that shows an empty window with the program's fonts (qt_MB).
void PeakMemory(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchFolder folder(n);
    const double fileMB = static_cast<double>(QFileInfo(folder.databasePath()).size()) / (1024.0 * 1024.0);
    MemoryStages stages;
    MemoryStages baseline;
    for (auto _ : state) {
        const double seconds = secondsOf([&] {
            stages = runMemoryChild({QStringLiteral("--memory-child"), QString::number(n)}, folder.path());
        });
        state.SetIterationTime(seconds);
        if (stages.problem.empty() && stages.peakMB.size() != 3) stages.problem = "the measuring process reported nothing";
        if (!stages.problem.empty()) {
            fail(state, stages.problem);
            break;
        }
        baseline = runMemoryChild({QStringLiteral("--memory-child"), QStringLiteral("0")}, folder.path());
        if (!baseline.problem.empty() || baseline.peakMB.count("window") != 1) {
            fail(state, "the baseline process failed: " + baseline.problem);
            break;
        }
    }
    if (stages.peakMB.size() != 3) return;
    const double peak = stages.peakMB["scoring"];
    state.counters["start_MB"] = stages.peakMB["start"];
    state.counters["lookup_MB"] = stages.peakMB["lookup"];
    state.counters["peak_MB"] = peak;
    state.counters["file_MB"] = fileMB;
    state.counters["x_file"] = peak / fileMB;
    state.counters["qt_MB"] = baseline.peakMB["window"];
    state.SetLabel("peak after main, lookup and scoring windows; target x_file <= 3");
}

void reportStage(const char* stage) {
    std::printf("stage %s %.0f\n", stage, peakResidentKB());
    std::fflush(stdout);
}

// The measuring process: in the folder it was started in, with n examinees
// expected; with n = 0 only an empty window of the main window's size.
int memoryChild(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pentarix::prepareApplication(app);
    const int n = argc > 2 ? std::atoi(argv[2]) : 0;
    if (n == 0) {
        pentarix::fonts::finishWarmup();
        QWidget window;
        window.resize(713, 579);
        window.show();
        settle();
        reportStage("window");
        return 0;
    }
    QuietModal modal;
    if (!pentarix::startApplication()) {
        std::fprintf(stderr, "the main window did not open\n");
        return 3;
    }
    Frm1& main = pentarix::form<Frm1>();
    settle();
    reportStage("start");
    main.Command4->click();
    settle();
    FrmCode* lookup = pentarix::formSlot<FrmCode>().peek();
    if (!lookup || !lookup->isVisible() || lookup->DataGrid1Rows->rowCount() != n) {
        std::fprintf(stderr, "the lookup window did not open with every examinee\n");
        return 4;
    }
    reportStage("lookup");
    lookup->Command6->click();
    settle();
    main.Command3->click();
    settle();
    FrmkLID* scoring = pentarix::formSlot<FrmkLID>().peek();
    if (!scoring || !scoring->isVisible() || scoring->Adodc6->RecordCount() != n) {
        std::fprintf(stderr, "the scoring window did not open with every examinee\n");
        return 5;
    }
    if (!modal.messages.isEmpty()) {
        std::fprintf(stderr, "a box was shown: %s\n", shown(modal.messages).c_str());
        return 6;
    }
    reportStage("scoring");
    pentarix::FormSlotBase::discardAll();
    return 0;
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime();
}

BENCHMARK(ClinicStart)->Apply(sizes)->MinTime(2.0);
BENCHMARK(MainWindowStart)->Apply(sizes);
BENCHMARK(ScoringWindowOpen)->Apply(sizes);
BENCHMARK(LookupOpenAfterEdits)->Apply(sizes);
BENCHMARK(RegistrationAfterDeletion)->Apply(sizes);
BENCHMARK(TestNextItem)->Apply(sizes);
BENCHMARK(TestSaveAndClose)->Apply(sizes);
BENCHMARK(ScoreExaminee)->Apply(sizes);
BENCHMARK(DeleteExaminee)->Apply(sizes);
BENCHMARK(PeakMemory)->Apply(sizes)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--memory-child") == 0) return memoryChild(argc, argv);
    return pentarix::bench::runWithApplication(argc, argv);
}
