#include "scoring/list_export.h"

#include "common/module7.h"
#include "data/record_view.h"
#include "data/sqlite.h"
#include "platform/long_work.h"
#include "scoring/export_texts.h"
#include "scoring/frmk_lid.h"
#include "scoring/report_texts.h"
#include "testing/item_key.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <xlsxwriter.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace pentarix::list_export {

namespace texts = export_texts;

namespace {

constexpr int kItems = 50;

// A field of IDE, its caption, its width in a sheet and whether a sheet
// shows it as a number when it reads as one.
struct Field {
    const char* name;
    QString caption;
    double width;
    bool number;
    bool isName;
};

std::vector<Field> allFields() {
    namespace r = report_texts;
    return {
        {"Code", r::kListLabel2, 12, false, false},    {"FName", texts::kFirstName, 16, false, true},
        {"LName", texts::kLastName, 20, false, true},  {"Jens", r::kListLabel6, 8, false, false},
        {"Sen", r::kListLabel10, 6, true, false},      {"Taahol", r::kListLabel4, 8, false, false},
        {"Tahsil", r::kListLabel1, 16, false, false},  {"Group", r::kListLabel7, 12, false, false},
        {"Date", texts::kDate, 12, false, false},      {"Time", texts::kTime, 10, false, false},
        {"E", r::kListLabel11, 10, true, false},       {"A", r::kListLabel12, 10, true, false},
        {"C", r::kListLabel13, 10, true, false},       {"ES", r::kListLabel17, 10, true, false},
        {"O", r::kListLabel18, 12, true, false},
    };
}

std::vector<Field> chosenFields(const Options& options) {
    std::vector<Field> chosen;
    for (Field& f : allFields()) {
        if (options.names || !f.isName) chosen.push_back(std::move(f));
    }
    return chosen;
}

// One cell to write: its text and whether its column holds numbers.
struct Value {
    QString text;
    bool number = false;
};

QString answerKey(const QString& code) { return code.trimmed().toCaseFolded(); }

// The stored item values of every answer sheet, by trimmed code, packed as
// UTF-8 separated by U+001F so that a long list stays small in memory.
QHash<QString, QByteArray> answerSheets(const RecordView& view) {
    std::string sqlText = "SELECT trim(Code)";
    for (int item = 1; item <= kItems; ++item) sqlText += ", " + sql::quoteIdentifier(std::to_string(item));
    sqlText += " FROM Answer";
    sql::Statement statement(view.store().connection(), sqlText);
    QHash<QString, QByteArray> sheets;
    while (statement.step()) {
        QByteArray packed;
        for (int item = 1; item <= kItems; ++item) {
            if (item > 1) packed += '\x1f';
            const std::string_view v = statement.columnText(item);
            packed.append(v.data(), static_cast<qsizetype>(v.size()));
        }
        const std::string_view code = statement.columnText(0);
        sheets.insert(answerKey(QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()))), packed);
    }
    return sheets;
}

// The rows of the view as the file holds them.
class Table {
public:
    Table(RecordView& view, const Options& options) : view_(view), fields_(chosenFields(options)) {
        view_.readRows();
        for (const Field& f : fields_) columns_.push_back(view_.columnIndex(QLatin1String(f.name)));
        codeColumn_ = view_.columnIndex(QStringLiteral("Code"));
        if (options.answers) {
            answers_ = true;
            sheets_ = answerSheets(view_);
        }
    }

    int count() const { return view_.RecordCount(); }
    const std::vector<Field>& fields() const noexcept { return fields_; }
    bool withAnswers() const noexcept { return answers_; }

    // The IDE fields of row r.
    void row(int r, std::vector<Value>& out) const {
        out.clear();
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            out.push_back({columns_[i] < 0 ? QString() : view_.text(r, columns_[i]), fields_[i].number});
        }
    }

    // The stored item values of row r, UTF-8 separated by U+001F; empty
    // when the examinee has no answer sheet.
    QByteArray answers(int r) const {
        const auto sheet = sheets_.constFind(answerKey(view_.text(r, codeColumn_)));
        return sheet == sheets_.cend() ? QByteArray() : sheet.value();
    }

private:
    RecordView& view_;
    std::vector<Field> fields_;
    std::vector<int> columns_;
    int codeColumn_ = -1;
    bool answers_ = false;
    QHash<QString, QByteArray> sheets_;
};

QStringList captions(const Table& table) {
    QStringList out;
    for (const Field& f : table.fields()) out << f.caption;
    if (table.withAnswers()) {
        for (int item = 1; item <= kItems; ++item) out << texts::kItemColumn.arg(item);
    }
    return out;
}

// ---- CSV

// Bytes to a descriptor through a buffer; the first error is kept.
class Output {
public:
    explicit Output(int fd) : fd_(fd) { buffer_.reserve(kChunk + 4096); }
    void put(const QByteArray& bytes) {
        buffer_ += bytes;
        if (buffer_.size() >= kChunk) flush();
    }
    void put(char c) { buffer_ += c; }
    bool flush() {
        qsizetype done = 0;
        while (error_ == 0 && done < buffer_.size()) {
            const ssize_t n = ::write(fd_, buffer_.constData() + done, static_cast<size_t>(buffer_.size() - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) error_ = n < 0 ? errno : ENOSPC;
            else done += n;
        }
        buffer_.clear();
        return error_ == 0;
    }
    int error() const noexcept { return error_; }

private:
    static constexpr qsizetype kChunk = 1 << 20;
    int fd_;
    QByteArray buffer_;
    int error_ = 0;
};

// Quoted when a comma, a quote or a line break would otherwise end it.
void putCsvField(Output& out, const QString& value) {
    const QByteArray bytes = value.toUtf8();
    const bool quote = bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') || bytes.contains('\n');
    if (!quote) {
        out.put(bytes);
        return;
    }
    QByteArray quoted = bytes;
    quoted.replace("\"", "\"\"");
    out.put('"');
    out.put(quoted);
    out.put('"');
}

void putCsvRow(Output& out, const QStringList& values) {
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0) out.put(',');
        putCsvField(out, values[i]);
    }
    out.put(QByteArrayLiteral("\r\n"));
}

// The item values as stored: most often digits, copied in one piece.
void putCsvAnswers(Output& out, const QByteArray& packed) {
    if (packed.isEmpty()) {
        out.put(QByteArray(kItems, ','));
        return;
    }
    const bool plain =
        !packed.contains(',') && !packed.contains('"') && !packed.contains('\r') && !packed.contains('\n');
    if (plain) {
        QByteArray line = packed;
        out.put(',');
        out.put(line.replace('\x1f', ','));
        return;
    }
    for (const QByteArray& value : packed.split('\x1f')) {
        out.put(',');
        putCsvField(out, QString::fromUtf8(value));
    }
}

int writeCsv(const Table& table, int fd) {
    Output out(fd);
    out.put(QByteArrayLiteral("\xEF\xBB\xBF")); // so that Excel reads UTF-8
    putCsvRow(out, captions(table));
    std::vector<Value> row;
    for (int r = 0; r < table.count() && out.error() == 0; ++r) {
        table.row(r, row);
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out.put(',');
            putCsvField(out, row[i].text);
        }
        if (table.withAnswers()) putCsvAnswers(out, table.answers(r));
        out.put(QByteArrayLiteral("\r\n"));
    }
    out.flush();
    return out.error();
}

} // namespace

// ---- Excel

namespace {

// A number when the whole text reads as one; else the text itself.
void putXlsxCell(lxw_worksheet* sheet, lxw_row_t r, lxw_col_t c, const Value& v) {
    if (v.text.isEmpty()) return; // an empty cell
    if (v.number) {
        bool ok = false;
        const double n = v.text.trimmed().toDouble(&ok);
        if (ok && std::isfinite(n)) {
            worksheet_write_number(sheet, r, c, n, nullptr);
            return;
        }
    }
    worksheet_write_string(sheet, r, c, v.text.toUtf8().constData(), nullptr);
}

// The item values from the first column on: numbers when they read as one.
void putXlsxAnswers(lxw_worksheet* sheet, lxw_row_t r, lxw_col_t first, const QByteArray& packed) {
    if (packed.isEmpty()) return;
    lxw_col_t c = first;
    for (const QByteArray& value : packed.split('\x1f')) {
        if (!value.isEmpty()) {
            double n = 0;
            const auto [end, error] = std::from_chars(value.constData(), value.constData() + value.size(), n);
            if (error == std::errc() && end == value.constData() + value.size() && std::isfinite(n)) {
                worksheet_write_number(sheet, r, c, n, nullptr);
            } else {
                putXlsxCell(sheet, r, c, {QString::fromUtf8(value), true});
            }
        }
        ++c;
    }
}

void putHeaders(lxw_worksheet* sheet, const QStringList& headers, lxw_format* bold) {
    for (qsizetype c = 0; c < headers.size(); ++c) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), headers[c].toUtf8().constData(), bold);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_right_to_left(sheet);
}

void putExaminees(lxw_workbook* book, const Table& table, lxw_format* bold) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, texts::kExamineesSheet.toUtf8().constData());
    const QStringList headers = captions(table);
    lxw_col_t c = 0;
    for (const Field& f : table.fields()) {
        worksheet_set_column(sheet, c, c, f.width, nullptr);
        ++c;
    }
    if (table.withAnswers()) worksheet_set_column(sheet, c, static_cast<lxw_col_t>(c + kItems - 1), 8, nullptr);
    putHeaders(sheet, headers, bold);
    std::vector<Value> row;
    for (int r = 0; r < table.count(); ++r) {
        table.row(r, row);
        const auto at = static_cast<lxw_row_t>(r + 1);
        for (std::size_t i = 0; i < row.size(); ++i) putXlsxCell(sheet, at, static_cast<lxw_col_t>(i), row[i]);
        if (table.withAnswers()) putXlsxAnswers(sheet, at, static_cast<lxw_col_t>(row.size()), table.answers(r));
    }
}

// The 50 items, so that the keyed values can be read: number, factor,
// direction and text.
void putItems(lxw_workbook* book, const RecordView& view, lxw_format* bold) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, texts::kItemsSheet.toUtf8().constData());
    worksheet_set_column(sheet, 0, 0, 8, nullptr);
    worksheet_set_column(sheet, 1, 1, 16, nullptr);
    worksheet_set_column(sheet, 2, 2, 10, nullptr);
    worksheet_set_column(sheet, 3, 3, 60, nullptr);
    putHeaders(sheet, {texts::kItemNumber, texts::kItemFactor, texts::kItemDirection, texts::kItemText}, bold);
    const std::array<QString, 5> factors = {report_texts::kListLabel11, report_texts::kListLabel12,
                                            report_texts::kListLabel13, report_texts::kListLabel17,
                                            report_texts::kListLabel18};
    std::array<QByteArray, kItems + 1> itemTexts;
    sql::Statement statement(view.store().connection(), "SELECT ID, QU FROM QU ORDER BY ID");
    while (statement.step()) {
        const std::int64_t id = statement.columnInt64(0);
        const std::string_view text = statement.columnText(1);
        if (id >= 1 && id <= kItems) {
            itemTexts[static_cast<std::size_t>(id)] = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
        }
    }
    for (int item = 1; item <= kItems; ++item) {
        const auto r = static_cast<lxw_row_t>(item);
        worksheet_write_number(sheet, r, 0, item, nullptr);
        const QString& factor = factors[static_cast<std::size_t>(FrmkLID::factorOfItem(item))];
        worksheet_write_string(sheet, r, 1, factor.toUtf8().constData(), nullptr);
        const QString& direction = ItemKey::isReversed(item) ? texts::kReversed : texts::kForward;
        worksheet_write_string(sheet, r, 2, direction.toUtf8().constData(), nullptr);
        if (!itemTexts[static_cast<std::size_t>(item)].isEmpty()) {
            worksheet_write_string(sheet, r, 3, itemTexts[static_cast<std::size_t>(item)].constData(), nullptr);
        }
    }
}

// Returns 0 or the errno of what went wrong (EIO when the library gives none).
int writeXlsx(const Table& table, const RecordView& view, const QString& path) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // rows go out as written: long lists stay small
    const QByteArray native = QFile::encodeName(path);
    lxw_workbook* book = workbook_new_opt(native.constData(), &options);
    if (!book) return errno ? errno : EIO;
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    putExaminees(book, table, bold);
    putItems(book, view, bold);
    errno = 0;
    const lxw_error closed = workbook_close(book);
    if (closed == LXW_NO_ERROR) return 0;
    return errno ? errno : EIO;
}

Failure failureOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ENOENT:
    case ENOTDIR: return Failure::FolderNotWritable;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Failure::DiskFull;
    default: return Failure::WriteFailed;
    }
}

// Writes the partial file that fd is open on, and makes sure it is on disk.
int writePartial(const Table& table, const RecordView& view, Format format, int fd, const QString& partial) {
    int error = format == Format::Csv ? writeCsv(table, fd) : writeXlsx(table, view, partial);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    return error;
}

} // namespace

QStringList fields(const Options& options) {
    QStringList out;
    for (const Field& f : chosenFields(options)) out << QLatin1String(f.name);
    return out;
}

QStringList headers(const Options& options) {
    QStringList out;
    for (const Field& f : chosenFields(options)) out << f.caption;
    if (options.answers) {
        for (int item = 1; item <= kItems; ++item) out << texts::kItemColumn.arg(item);
    }
    return out;
}

QString partialPath(const QString& target) { return platform::PartialFile::partialPathOf(target); }

Result write(RecordView& rows, const Options& options, Format format, const QString& target) {
    const Table table(rows, options);
    const QString partial = partialPath(target);
    const QByteArray partialNative = QFile::encodeName(partial);
    // An export killed midway onto this target left its partial file behind.
    ::unlink(partialNative.constData());
    // Records are private: the file is its owner's alone from the start.
    const int fd = ::open(partialNative.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return {failureOf(errno)};
    // Held while the file is written, as a copy holds its own: a partial file
    // nobody holds is a leftover that start-up may remove.
    ::flock(fd, LOCK_EX | LOCK_NB);
    int error = 0;
    try {
        error = writePartial(table, rows, format, fd, partial);
    } catch (...) {
        ::close(fd);
        ::unlink(partialNative.constData());
        throw;
    }
    int renameError = 0;
    if (error == 0 && ::rename(partialNative.constData(), QFile::encodeName(target).constData()) != 0) {
        renameError = errno;
    }
    ::close(fd);
    if (error == 0 && renameError == 0) return {};
    ::unlink(partialNative.constData());
    if (error) return {failureOf(error)};
    return {renameError == EACCES || renameError == EPERM || renameError == EROFS ? Failure::FolderNotWritable
                                                                                 : Failure::TargetBusy};
}

QString proposedFileName(const QString& clinic, const QDate& day, Format format) {
    QString name = clinic.simplified();
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    QString date = SolarHijriDate(day);
    date.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (!name.isEmpty()) name += QLatin1Char(' ');
    return name + date + (format == Format::Csv ? QStringLiteral(".csv") : QStringLiteral(".xlsx"));
}

QString failureText(const Result& result, const QString& target) {
    QString reason;
    switch (result.failure) {
    case Failure::None: return QString();
    case Failure::FolderNotWritable: reason = texts::kFolderNotWritable; break;
    case Failure::DiskFull: reason = texts::kDiskFull; break;
    case Failure::TargetBusy: reason = texts::kTargetBusy; break;
    case Failure::WriteFailed: reason = texts::kWriteFailed; break;
    }
    return texts::kFailed + QLatin1Char('\n') + reason + QLatin1Char('\n') + texts::kNoPartialLeft +
           QStringLiteral("\n\u2068") + QDir::toNativeSeparators(target) + QStringLiteral("\u2069");
}

} // namespace pentarix::list_export
