#pragma once

#include "platform/report/report.h"

#include <QString>

namespace pentarix {

class RecordView;

// The result sheet of one examinee: identity, the five factor scores and the
// clinic's address over the sheet's artwork. No control is bound to a field:
// the scoring window sets every value label before showing it. Created on
// first use and reused while the application runs.
class DataR1 {
public:
    DataR1();

    void setRowSource(RecordView& rows);
    void setLabelText(const QString& section, const QString& label, const QString& text);
    void Show();

    report::Report& report() noexcept { return report_; }

private:
    report::Report report_;
};

DataR1& dataR1();

} // namespace pentarix
