#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace pentarix {

class RecordView;

// The list of examinees written to a file a spreadsheet opens: one row per
// examinee of a view, in the view's order, with the fields of IDE and, when
// asked, the 50 stored item values of the examinee's answer sheet.
namespace list_export {

enum class Format { Csv, Xlsx };

struct Options {
    bool answers = false; // the 50 stored item values after the scores
    bool names = true;    // first and last names; left out for research
};

// Why a file could not be made; None when it was.
enum class Failure { None, FolderNotWritable, DiskFull, TargetBusy, WriteFailed };

struct Result {
    Failure failure = Failure::None;
    bool ok() const noexcept { return failure == Failure::None; }
};

// The IDE fields written, in order, and their captions.
QStringList fields(const Options& options);
QStringList headers(const Options& options);

// Writes the view's visible rows into target: beside it first, in a hidden
// partial file, renamed over target once complete, readable by its owner
// only. On failure nothing is left at target and an older file there stays.
Result write(RecordView& rows, const Options& options, Format format, const QString& target);

// The hidden file a write goes through: ".NAME.pentarix-partial" beside target.
QString partialPath(const QString& target);

// The clinic's name and the Solar Hijri day, "/" made "-", with the ending.
QString proposedFileName(const QString& clinic, const QDate& day, Format format);

// The operator's Persian text for a failure, naming target.
QString failureText(const Result& result, const QString& target);

} // namespace list_export
} // namespace pentarix
