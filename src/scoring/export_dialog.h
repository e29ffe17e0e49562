#pragma once

#include "scoring/list_export.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QPushButton;

namespace pentarix {

class RecordView;

// Asks what goes into an export of the list (the answers, the names), then
// for the file through the modal seam, and writes it. Window-modal over the
// preview and shown without waiting, so the preview's own loop keeps running;
// a failure is told in Persian and the preview stays open.
class ExportDialog final : public QDialog {
    Q_OBJECT
public:
    // rows is asked for when the operator goes on, so a list closed meanwhile
    // is noticed; clinic names the proposed file.
    ExportDialog(QWidget* preview, list_export::Format format, std::function<RecordView*()> rows, QString clinic);

    // Opens the dialog over preview; it deletes itself when done.
    static ExportDialog* start(QWidget* preview, list_export::Format format, std::function<RecordView*()> rows,
                               const QString& clinic);

    list_export::Options options() const;

    QCheckBox* withAnswers;
    QCheckBox* withoutNames;
    QPushButton* continueButton;
    QPushButton* cancelButton;

private:
    void goOn();
    QString askForTarget();

    list_export::Format format_;
    std::function<RecordView*()> rows_;
    QString clinic_;
};

} // namespace pentarix
