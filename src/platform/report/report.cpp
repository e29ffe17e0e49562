#include "platform/report/report.h"

#include "platform/long_work.h"
#include "platform/report/preview_texts.h"
#include "platform/report/preview_window.h"

namespace pentarix::report {

Report::Report(ReportDocument document) : document_(std::move(document)) {}

Report::~Report() {
    if (rowSource_) rowSource_->removeListener(this);
}

void Report::setRowSource(RecordView& view) {
    if (rowSource_ == &view) return;
    if (rowSource_) rowSource_->removeListener(this);
    rowSource_ = &view;
    rowSource_->addListener(this);
}

void Report::viewClosing(RecordView& view) {
    if (rowSource_ == &view) rowSource_ = nullptr;
}

bool Report::setLabelText(const QString& section, const QString& label, const QString& text) {
    return document_.setLabelText(section, label, text);
}

QString Report::labelText(const QString& section, const QString& label) {
    return document_.labelText(section, label);
}

std::shared_ptr<const Printout> Report::printout() const {
    Rows rows = rowSource_ ? Rows::of(*rowSource_, document_.boundFields()) : Rows();
    return std::make_shared<const Printout>(document_, std::move(rows));
}

void Report::Show() {
    if (!preview_) {
        preview_ = new PreviewWindow();
        preview_->setAttribute(Qt::WA_DeleteOnClose);
        for (const Action& action : actions_) preview_->addAction(action.name, action.label, action.tip, action.run);
    }
    preview_->setPrintout(printout());
    preview_->show();
    preview_->raise();
    preview_->activateWindow();
}

PreviewWindow* Report::preview() const { return preview_.data(); }

void Report::addAction(Action action) {
    if (preview_) preview_->addAction(action.name, action.label, action.tip, action.run);
    actions_.push_back(std::move(action));
}

bool Report::writePdf(const QString& path, QWidget* owner) const {
    const std::shared_ptr<const Printout> frozen = printout();
    platform::LongWork work(owner, preview_texts::kPdfProgress, frozen->pageCount());
    return frozen->writePdf(path, work.unitDone()) == platform::WorkEnd::Done;
}

} // namespace pentarix::report
