// The list of examinees exported from the report preview, read back by
// readers that are not ours: Python's csv module and openpyxl.
#include "data/record_view.h"
#include "data/sqlite.h"
#include "platform/report/preview_window.h"
#include "platform/report/report.h"
#include "scoring/data_r_print.h"
#include "scoring/export_dialog.h"
#include "scoring/export_texts.h"
#include "scoring/list_export.h"
#include "support/app_folder.h"
#include "support/scripted_modal.h"
#include "support/shots.h"
#include "testing/item_key.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using pentarix::RecordView;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
namespace list_export = pentarix::list_export;
namespace sql = pentarix::sql;

namespace {

constexpr int kItems = 50;

QStringList texts(std::initializer_list<const char*> utf8) {
    QStringList out;
    for (const char* t : utf8) out << QString::fromUtf8(t);
    return out;
}

const QStringList kFields =
    texts({"Code", "FName", "LName", "Jens", "Sen", "Taahol", "Tahsil", "Group", "Date", "Time", "E", "A", "C", "ES", "O"});
const QStringList kNumberFields = texts({"Sen", "E", "A", "C", "ES", "O"});

// An examinee as stored; an empty text is stored as NULL.
struct Examinee {
    QStringList ide;         // the fields of kFields, in order
    QString answerCode;      // the answer sheet's code; empty: no sheet
    QStringList answers;     // 50 stored values
};

QStringList answersFrom(int seed, bool complete) {
    QStringList out;
    for (int item = 1; item <= kItems; ++item) {
        out << ((complete || item % 3) ? QString::number((item * seed) % 5 + 1) : QString());
    }
    return out;
}

// Values a spreadsheet or a CSV reader is most likely to get wrong.
std::vector<Examinee> awkwardExaminees() {
    return {
        {texts({"007", "O'Brien", "\"Quoted\" name, Jr.", "مرد", "25", "متاهل", "کارشناسی, ارشد", "G,1",
                "1403/01/05", "10:30", "30", "31", "32", "33", "34"}),
         QStringLiteral("007"), answersFrom(3, true)},
        // The answer sheet is found by the code trimmed.
        {texts({" 42 ", "line\nbreak", "Mixed فارسی Latin", "زن", "", "مجرد", "a\r\nb", "it's", "1403/02/10",
                "09:05", "", "", "", "", ""}),
         QStringLiteral("42"), answersFrom(7, false)},
        {texts({"X3", "=SUM(A1)", "'lead", "مرد", "41", "", "", "ب", "1403/12/29", "23:59", "0", "50", "", "12",
                "7"}),
         QString(), {}},
    };
}

void insert(const QString& database, const std::vector<Examinee>& examinees) {
    auto connection = sql::Connection::open(database.toStdString());
    connection.exec("DELETE FROM IDE; DELETE FROM Answer;");
    std::string ideSql = "INSERT INTO IDE (";
    std::string answerSql = "INSERT INTO Answer (Code";
    for (int i = 0; i < kFields.size(); ++i) ideSql += (i ? ", " : "") + sql::quoteIdentifier(kFields[i].toStdString());
    ideSql += ") VALUES (?1";
    for (int i = 2; i <= kFields.size(); ++i) ideSql += ", ?" + std::to_string(i);
    for (int item = 1; item <= kItems; ++item) answerSql += ", " + sql::quoteIdentifier(std::to_string(item));
    answerSql += ") VALUES (?1";
    for (int i = 2; i <= kItems + 1; ++i) answerSql += ", ?" + std::to_string(i);
    sql::Statement ide(connection, ideSql + ")");
    sql::Statement answer(connection, answerSql + ")");
    const auto bind = [](sql::Statement& s, int index, const QString& value) {
        if (value.isEmpty()) s.bindNull(index);
        else s.bindText(index, value.toStdString());
    };
    for (const Examinee& e : examinees) {
        for (int i = 0; i < e.ide.size(); ++i) bind(ide, i + 1, e.ide[i]);
        ide.step();
        ide.reset();
        if (e.answerCode.isEmpty()) continue;
        bind(answer, 1, e.answerCode);
        for (int i = 0; i < kItems; ++i) bind(answer, i + 2, e.answers[i]);
        answer.step();
        answer.reset();
    }
}

// Prints the file as JSON: rows of cells, and for a workbook the look of
// its sheets. Numbers stay numbers, empty cells null.
const char* kReader = R"PY(
import csv, json, sys
kind, path = sys.argv[1], sys.argv[2]
if kind == "csv":
    raw = open(path, "rb").read()
    with open(path, newline="", encoding="utf-8-sig") as f:
        rows = [row for row in csv.reader(f)]
    lines = raw.split(b"\n")
    out = {"bom": raw.startswith(b"\xef\xbb\xbf"), "crlf": raw.endswith(b"\r\n"), "rows": rows}
else:
    import openpyxl
    from openpyxl.utils.escape import unescape
    book = openpyxl.load_workbook(path)
    # A carriage return is carried as _x000D_, as the format says; Excel
    # decodes it and openpyxl leaves that to its caller for inline strings.
    def cell(v):
        return unescape(v) if isinstance(v, str) else v
    def sheet(ws):
        return {"rows": [[cell(v) for v in r] for r in ws.iter_rows(values_only=True)],
                "rtl": bool(ws.sheet_view.rightToLeft), "frozen": ws.freeze_panes,
                "bold": all(c.font.b for c in ws[1])}
    out = {"sheets": book.sheetnames, "examinees": sheet(book.worksheets[0]), "items": sheet(book.worksheets[1])}
json.dump(out, sys.stdout)
)PY";

QJsonObject readBack(const QString& kind, const QString& path) {
    QProcess python;
    python.start(QStringLiteral(PENTARIX_PYTHON3), {QStringLiteral("-c"), QString::fromUtf8(kReader), kind, path});
    python.waitForFinished(60000);
    const QByteArray out = python.readAllStandardOutput();
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(out).object();
}

struct Case {
    const char* name;
    list_export::Format format;
    bool answers;
    bool names;
};

class Export : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        insert(folder.databasePath(), examinees);
        view = std::make_unique<RecordView>(folder.databasePath(), QStringLiteral("IDE"));
        pentarix::DataRPrint& list = pentarix::dataRPrint();
        list.setRowSource(*view);
        list.setLabelText(QStringLiteral("Section4"), QStringLiteral("Label9"), QStringLiteral("کلینیک آرامش"));
        list.Show();
        preview = list.report().preview();
        ASSERT_NE(preview, nullptr);
    }
    void TearDown() override {
        if (preview) preview->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Presses the preview's button, makes the choices and names the file.
    void exportThroughPreview(const Case& c, const QString& target) {
        const char* button = c.format == list_export::Format::Csv ? "csvButton" : "excelButton";
        auto* action = preview->findChild<QToolButton*>(QLatin1String(button));
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->click();
        auto* dialog = preview->findChild<pentarix::ExportDialog*>(QStringLiteral("ExportDialog"));
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
        dialog->withAnswers->setChecked(c.answers);
        dialog->withoutNames->setChecked(!c.names);
        pentarix::test::saveShot(preview, QStringLiteral("export_preview"));
        pentarix::test::saveShot(dialog, QStringLiteral("export_dialog"));
        modal.fileAnswers.push_back(target);
        dialog->continueButton->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The cells expected for an examinee: text as stored, numbers as numbers.
    static QJsonArray expectedRow(const Examinee& e, const Case& c, bool typed) {
        QJsonArray row;
        const auto cell = [&](const QString& text, bool number) {
            if (!typed) row.append(text);
            else if (text.isEmpty()) row.append(QJsonValue::Null);
            else if (number) row.append(text.toDouble());
            else row.append(text);
        };
        for (int i = 0; i < kFields.size(); ++i) {
            if (!c.names && (kFields[i] == QLatin1String("FName") || kFields[i] == QLatin1String("LName"))) continue;
            cell(e.ide[i], kNumberFields.contains(kFields[i]));
        }
        if (!c.answers) return row;
        for (int i = 0; i < kItems; ++i) cell(e.answerCode.isEmpty() ? QString() : e.answers[i], true);
        return row;
    }

    void expectRows(const QJsonArray& rows, const Case& c, bool typed) {
        ASSERT_EQ(rows.size(), static_cast<qsizetype>(examinees.size()) + 1);
        const QStringList headers = list_export::headers({c.answers, c.names});
        EXPECT_EQ(rows[0].toArray().toVariantList(), QVariant(headers).toList());
        for (std::size_t r = 0; r < examinees.size(); ++r) {
            const QJsonArray got = rows[static_cast<qsizetype>(r) + 1].toArray();
            const QJsonArray want = expectedRow(examinees[r], c, typed);
            ASSERT_EQ(got.size(), want.size()) << "row " << r;
            for (qsizetype i = 0; i < want.size(); ++i) {
                EXPECT_EQ(got[i], want[i]) << "row " << r << " column " << headers[i].toStdString() << ": "
                                           << QJsonDocument(QJsonArray{got[i]}).toJson().toStdString() << " for "
                                           << QJsonDocument(QJsonArray{want[i]}).toJson().toStdString();
            }
        }
    }

    void expectItemsSheet(const QJsonObject& items) {
        const QJsonArray rows = items[QStringLiteral("rows")].toArray();
        ASSERT_EQ(rows.size(), kItems + 1);
        for (int item = 1; item <= kItems; ++item) {
            const QJsonArray row = rows[item].toArray();
            EXPECT_EQ(row[0].toDouble(), item);
            EXPECT_EQ(row[2].toString(), pentarix::ItemKey::isReversed(item) ? pentarix::export_texts::kReversed
                                                                             : pentarix::export_texts::kForward);
            EXPECT_EQ(row[3].toString(), folder.scalar(QStringLiteral("SELECT QU FROM QU WHERE ID = %1").arg(item)));
        }
        EXPECT_TRUE(items[QStringLiteral("rtl")].toBool());
    }

    AppFolder folder;
    ScriptedModal modal;
    std::vector<Examinee> examinees = awkwardExaminees();
    std::unique_ptr<RecordView> view;
    pentarix::report::PreviewWindow* preview = nullptr;
};

TEST_P(Export, ReadsBackCellForCellAndIsPrivate) {
    const Case& c = GetParam();
    const bool csv = c.format == list_export::Format::Csv;
    const QString target = folder.filePath(csv ? QStringLiteral("list.csv") : QStringLiteral("list.xlsx"));
    exportThroughPreview(c, target);
    EXPECT_TRUE(modal.messages().isEmpty()) << modal.messages().join(u'\n').toStdString();
    ASSERT_TRUE(QFile::exists(target));
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_FALSE(QFile::exists(list_export::partialPath(target)));
    EXPECT_TRUE(preview->isVisible());
    const QJsonObject read = readBack(csv ? QStringLiteral("csv") : QStringLiteral("xlsx"), target);
    if (csv) {
        EXPECT_TRUE(read[QStringLiteral("bom")].toBool());
        EXPECT_TRUE(read[QStringLiteral("crlf")].toBool());
        expectRows(read[QStringLiteral("rows")].toArray(), c, false);
        return;
    }
    const QJsonObject sheet = read[QStringLiteral("examinees")].toObject();
    EXPECT_TRUE(sheet[QStringLiteral("rtl")].toBool());
    EXPECT_EQ(sheet[QStringLiteral("frozen")].toString(), QStringLiteral("A2"));
    EXPECT_TRUE(sheet[QStringLiteral("bold")].toBool());
    expectRows(sheet[QStringLiteral("rows")].toArray(), c, true);
    expectItemsSheet(read[QStringLiteral("items")].toObject());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Export,
    ::testing::Values(Case{"csv_answers_names", list_export::Format::Csv, true, true},
                      Case{"csv_answers_no_names", list_export::Format::Csv, true, false},
                      Case{"csv_plain_names", list_export::Format::Csv, false, true},
                      Case{"csv_plain_no_names", list_export::Format::Csv, false, false},
                      Case{"xlsx_answers_names", list_export::Format::Xlsx, true, true},
                      Case{"xlsx_answers_no_names", list_export::Format::Xlsx, true, false},
                      Case{"xlsx_plain_names", list_export::Format::Xlsx, false, true},
                      Case{"xlsx_plain_no_names", list_export::Format::Xlsx, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Permissions do not stop root: the export then runs with a file system
// identity of nobody, as an operator's own account would.
class NotRoot {
public:
    NotRoot() : root_(::geteuid() == 0) {
        if (root_) ::setfsuid(65534);
    }
    ~NotRoot() {
        if (root_) ::setfsuid(0);
    }
    NotRoot(const NotRoot&) = delete;
    NotRoot& operator=(const NotRoot&) = delete;

private:
    bool root_;
};

class ExportFailure : public Export {};

TEST_P(ExportFailure, IntoAReadOnlyFolderIsToldInPersianAndLeavesNoFile) {
    const Case& c = GetParam();
    const QString locked = folder.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::ExeOther));
    const QString target = QDir(locked).filePath(QStringLiteral("list.out"));
    {
        NotRoot notRoot;
        exportThroughPreview(c, target);
    }
    ASSERT_EQ(modal.messages().size(), 1);
    EXPECT_TRUE(modal.messages().front().startsWith(pentarix::export_texts::kFailed));
    EXPECT_TRUE(modal.messages().front().contains(pentarix::export_texts::kFolderNotWritable));
    EXPECT_TRUE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(preview->isVisible());
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(Lists, ExportFailure,
                         ::testing::Values(Case{"csv", list_export::Format::Csv, true, true},
                                           Case{"xlsx", list_export::Format::Xlsx, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExportFileName, IsTheClinicAndTheSolarHijriDay) {
    EXPECT_EQ(list_export::proposedFileName(QStringLiteral("کلینیک آرامش"), QDate(2024, 3, 20),
                                            list_export::Format::Xlsx),
              QStringLiteral("کلینیک آرامش 1403-01-01.xlsx"));
    EXPECT_EQ(list_export::proposedFileName(QStringLiteral("a/b"), QDate(2024, 3, 20), list_export::Format::Csv),
              QStringLiteral("a-b 1403-01-01.csv"));
}

} // namespace
