// Works an application folder through the program's own windows and routines
// until it is killed, so that a test can kill it at any moment:
//   records_helper APPLICATION_FOLDER SEED
// It starts as the program starts, prints "ready", then loops operations
// picked at random from the seed: registrations, answer sheets, scorings,
// deletions, backups and restores. Each operation prints "op NAME" as it
// starts; a copy then prints "source SHA1" of the file it is about to copy,
// once nothing can write to it. Every box is answered Yes (or OK) at once.
// A failure the loop cannot go on from is printed to standard error and ends
// the helper with a status other than 0.
#include "data/data_store.h"
#include "data/sqlite.h"
#include "data/value_text.h"
#include "examinees/frm_code.h"
#include "maintenance/backup.h"
#include "scoring/frmk_lid.h"
#include "shell/application.h"
#include "shell/frm1.h"
#include "support/scripted_modal.h"
#include "support/typing.h"
#include "testing/frm_test.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using pentarix::test::ScriptedModal;
using pentarix::test::typeText;

const QString kBackupTarget = QStringLiteral("Back/records-helper.mdbB");
// A file of its own, not the database: the loop goes on after a restore.
const QString kRestoreTarget = QStringLiteral("Pentarix/restored.mdb");

void say(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

[[noreturn]] void giveUp(const QString& why) {
    std::fprintf(stderr, "records_helper: %s\n", why.toUtf8().constData());
    std::fflush(stderr);
    std::exit(3);
}

QString sha1Of(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) giveUp(QStringLiteral("cannot read ") + path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

// The helper's own look at the file, to pick what to work on; every change
// goes through the windows.
QStringList column(const char* query) {
    auto connection = pentarix::sql::Connection::open(pentarix::DataStore::defaultPath().toStdString());
    pentarix::sql::Statement statement(connection, query);
    QStringList values;
    while (statement.step()) {
        const auto text = statement.columnText(0);
        values << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    return values;
}

// Codes whose two rows can be found by the code as typed (no blanks around
// it), with a whole answer sheet or without one.
QStringList plainCodes(bool wholeSheet) {
    std::string unanswered;
    for (int item = 1; item <= 50; ++item) {
        unanswered +=
            (item == 1 ? "" : " OR ") + std::string("Answer.\"") + std::to_string(item) + "\" IS NULL";
    }
    const std::string query = "SELECT IDE.Code FROM IDE JOIN Answer ON Answer.Code = IDE.Code "
                              "WHERE IDE.Code = trim(IDE.Code) AND " +
                              std::string(wholeSheet ? "NOT " : "") + "(" + unanswered + ")";
    return column(query.c_str());
}

class Loop {
public:
    explicit Loop(quint32 seed) : seed_(seed), random_(seed) {}

    void runOnce() {
        modal_.calls.clear();
        modal_.messageAnswers.assign(64, pentarix::platform::answer::kYes);
        modal_.inputAnswers.clear();
        // How many of a hundred operations are of each kind.
        const struct {
            int share;
            void (Loop::*run)();
        } operations[] = {{30, &Loop::registration}, {15, &Loop::answers}, {15, &Loop::scoring},
                          {20, &Loop::deletion},     {10, &Loop::backup},  {10, &Loop::restore}};
        int pick = random_.bounded(100);
        for (const auto& operation : operations) {
            if (pick < operation.share) {
                (this->*operation.run)();
                break;
            }
            pick -= operation.share;
        }
        // Closed windows go now, as they would between the operator's clicks.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    QString any(const QStringList& list) { return list.at(random_.bounded(list.size())); }

    static void pick(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    void registration() {
        say(QStringLiteral("op registration"));
        // Unique over every run on the folder; some with the blanks and
        // letter case an operator may type.
        QString code = QStringLiteral("s%1n%2").arg(seed_).arg(++registered_);
        const int variant = random_.bounded(6);
        if (variant == 0) code = QLatin1Char(' ') + code + QLatin1Char(' ');
        if (variant == 1) code = code.toUpper();
        pentarix::Frm1& w = pentarix::form<pentarix::Frm1>();
        w.Command1->click();
        typeText(w.Text11, code);
        typeText(w.Text6, QStringLiteral("مریم"));
        typeText(w.Text4, QStringLiteral("کریمی"));
        pick(w.Combo2, random_.bounded(w.Combo2->count()));
        typeText(w.Text5, QString::number(18 + random_.bounded(60)));
        pick(w.Combo1, random_.bounded(w.Combo1->count()));
        pick(w.Combo3, random_.bounded(w.Combo3->count()));
        typeText(w.Text7, QStringLiteral("کارشناسی"));
        w.Command8->click();
        if (w.Frame10->isVisible()) {
            w.Command10->click();
            giveUp(QStringLiteral("registration of %1 refused: %2").arg(code, modal_.messages().join(u'|')));
        }
    }

    void answers() {
        QStringList codes = plainCodes(false);
        if (codes.isEmpty()) codes = plainCodes(true);
        if (codes.isEmpty()) return registration();
        say(QStringLiteral("op answers"));
        const QString code = any(codes);
        // As the main window opens the test window for a code.
        pentarix::FrmTest& w = pentarix::form<pentarix::FrmTest>();
        w.Adodc2->Refresh();
        w.Adodc3->Refresh();
        const QString filter = pentarix::codeFilter(code);
        w.Adodc2->Filter(filter);
        w.Adodc3->Filter(filter);
        w.show();
        w.Command1->click();
        // Every item stored is a write to the disk: some whole sheets, for
        // new examinees to score, and many short sittings.
        const int items = random_.bounded(4) == 0 ? 50 : 1 + random_.bounded(8);
        for (int item = 0; item < items; ++item) {
            w.options()[static_cast<std::size_t>(random_.bounded(5))]->click();
            w.CmdNext->click();
        }
        w.Command5->click();
    }

    void scoring() {
        const QStringList codes = plainCodes(true);
        if (codes.isEmpty()) return answers();
        say(QStringLiteral("op scoring"));
        pentarix::FrmkLID& w = pentarix::form<pentarix::FrmkLID>();
        w.show();
        modal_.inputAnswers = {any(codes)};
        w.Command1->click();
        w.Command4->click();
    }

    void deletion() {
        const QStringList codes = column("SELECT Code FROM IDE");
        if (codes.isEmpty()) return registration();
        say(QStringLiteral("op deletion"));
        pentarix::FrmCode& w = pentarix::form<pentarix::FrmCode>();
        w.show();
        typeText(w.Text5, any(codes));
        w.Command2->click();
        w.Command6->click();
    }

    // As the backup window copies: nothing may write to the database meanwhile.
    void copy(const QString& source, const QString& target) {
        const pentarix::DatabaseQuiet quiet(pentarix::DataStore::defaultPath());
        if (quiet.problem()) giveUp(*quiet.problem());
        say(QStringLiteral("source ") + sha1Of(source));
        if (pentarix::CopyFileInChunks(source, target) != 1) giveUp(modal_.messages().join(u'|'));
    }

    void backup() {
        say(QStringLiteral("op backup"));
        QDir::current().mkpath(QStringLiteral("Back"));
        copy(pentarix::DataStore::defaultPath(), kBackupTarget);
    }

    void restore() {
        if (!QFile::exists(kBackupTarget)) return backup();
        say(QStringLiteral("op restore"));
        if (const auto problem = pentarix::restoreSourceProblem(kBackupTarget)) giveUp(*problem);
        copy(kBackupTarget, kRestoreTarget);
    }

    quint32 seed_;
    QRandomGenerator random_;
    ScriptedModal modal_;
    int registered_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: records_helper APPLICATION_FOLDER SEED\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) giveUp(QStringLiteral("no such folder"));
    const quint32 seed = static_cast<quint32>(std::strtoul(argv[2], nullptr, 10));

    Loop loop(seed);
    pentarix::prepareApplication(app);
    if (!pentarix::startApplication()) giveUp(QStringLiteral("the program did not start"));
    say(QStringLiteral("ready"));
    for (;;) {
        loop.runOnce();
    }
}
