#pragma once

#include "platform/report/report.h"

#include <QString>

class QWidget;

namespace pentarix {

class RecordView;

// The list report of examinees: one ruled row per examinee, under the clinic's
// name and the title, above the clinic's address. Created on first use and
// reused while the application runs.
class DataRPrint {
public:
    DataRPrint();

    // The rows printed: the view's visible rows, in the view's order.
    void setRowSource(RecordView& rows);
    // Sets a label's text, found by its section and name ("Section4", "Label9").
    void setLabelText(const QString& section, const QString& label, const QString& text);
    // Shows the report in a preview without waiting for it.
    void Show();

    // The report object itself: its document, preview and PDF output.
    report::Report& report() noexcept { return report_; }

    // Attaches the row numbering to the first cell of the detail.
    void DataReport_Initialize();
    // The row number in place of the code the cell is bound to: rows are
    // numbered 1, 2, 3 in the order printed, from 1 again at every printout.
    static QString myf_Format(const QString& value, int rowNumber);

    // Beside print and PDF in the preview: the list as Excel and CSV files.
    void addExports();

private:
    report::Report report_;
};

DataRPrint& dataRPrint();

} // namespace pentarix
