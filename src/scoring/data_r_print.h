#pragma once

#include <QString>

class QWidget;

namespace pentarix {

class RecordView;

// The list report of examinees: one ruled row per examinee, under the clinic's
// name and the title, above the clinic's address. Created on first use and
// reused while the application runs.
class DataRPrint {
public:
    // The rows printed: the view's visible rows, in the view's order.
    void setRowSource(RecordView& rows);
    // Sets a label's text, found by its section and name ("Section4", "Label9").
    void setLabelText(const QString& section, const QString& label, const QString& text);
    // Shows the report in a preview without waiting for it.
    void Show();
};

DataRPrint& dataRPrint();

} // namespace pentarix
