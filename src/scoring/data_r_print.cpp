#include "scoring/data_r_print.h"

namespace pentarix {

void DataRPrint::setRowSource(RecordView&) {}
void DataRPrint::setLabelText(const QString&, const QString&, const QString&) {}
void DataRPrint::Show() {}

DataRPrint& dataRPrint() {
    static DataRPrint report;
    return report;
}

} // namespace pentarix
