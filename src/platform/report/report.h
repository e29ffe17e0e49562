#pragma once

#include "data/record_view.h"
#include "platform/report/printout.h"
#include "platform/report/report_document.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace pentarix::report {

class PreviewWindow;

// A report object as the windows use it: a document whose labels are set
// by name, a view as its row source, and a preview shown without waiting.
// What is shown is frozen at Show: later changes to the labels or the view
// reach the preview only at the next Show.
class Report : public ViewListener {
public:
    explicit Report(ReportDocument document);
    ~Report() override;
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    ReportDocument& document() noexcept { return document_; }

    // The rows printed: the view's visible rows, in its order, as they are
    // when the report is shown.
    void setRowSource(RecordView& view);
    RecordView* rowSource() const noexcept { return rowSource_; }
    // Sets a label's text, found by its section and name ("Section4",
    // "Label9"); false when there is no such label.
    bool setLabelText(const QString& section, const QString& label, const QString& text);
    QString labelText(const QString& section, const QString& label);

    // The document and the rows of the row source as they are now, laid out.
    std::shared_ptr<const Printout> printout() const;
    // Shows a printout in the preview, without waiting; the preview is made
    // on first use and reused while it stays open.
    void Show();
    // The preview last shown, or nullptr once the operator has closed it.
    PreviewWindow* preview() const;
    // Writes the report as it is now into a PDF file without a preview,
    // showing its progress over owner (or the screen's middle) when long.
    bool writePdf(const QString& path, QWidget* owner = nullptr) const;

    // An action of the report's owner, shown in every preview of the report
    // as a tool button after PDF; it is given the preview as its window.
    struct Action {
        QString name; // the button's object name
        QString label;
        QString tip;
        std::function<void(QWidget* preview)> run;
    };
    void addAction(Action action);
    const std::vector<Action>& actions() const noexcept { return actions_; }

    void viewMoved(RecordView&) override {}
    void fieldChanged(RecordView&, int) override {}
    void viewClosing(RecordView& view) override;

private:
    ReportDocument document_;
    RecordView* rowSource_ = nullptr;
    QPointer<PreviewWindow> preview_;
    std::vector<Action> actions_;
};

} // namespace pentarix::report
