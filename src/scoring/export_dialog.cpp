#include "scoring/export_dialog.h"

#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/modal.h"
#include "scoring/export_texts.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace pentarix {

namespace texts = export_texts;

ExportDialog::ExportDialog(QWidget* preview, list_export::Format format, std::function<RecordView*()> rows,
                           QString clinic)
    : QDialog(preview), format_(format), rows_(std::move(rows)), clinic_(std::move(clinic)) {
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowTitle(texts::kDialogTitle);
    setLayoutDirection(Qt::RightToLeft);
    setFont(fonts::nazanin(11));
    auto* intro = new QLabel(texts::kDialogIntro, this);
    withAnswers = new QCheckBox(texts::kWithAnswers, this);
    withAnswers->setObjectName(QStringLiteral("withAnswers"));
    withoutNames = new QCheckBox(texts::kWithoutNames, this);
    withoutNames->setObjectName(QStringLiteral("withoutNames"));
    continueButton = new QPushButton(texts::kContinue, this);
    continueButton->setObjectName(QStringLiteral("continueButton"));
    continueButton->setDefault(true);
    cancelButton = new QPushButton(texts::kCancel, this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(continueButton);
    buttons->addWidget(cancelButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(withAnswers);
    column->addWidget(withoutNames);
    column->addSpacing(8);
    column->addLayout(buttons);
    setMinimumWidth(320);

    connectHandler(continueButton, &QPushButton::clicked, this, &ExportDialog::goOn);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

ExportDialog* ExportDialog::start(QWidget* preview, list_export::Format format, std::function<RecordView*()> rows,
                                  const QString& clinic) {
    auto* dialog = new ExportDialog(preview, format, std::move(rows), clinic);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

list_export::Options ExportDialog::options() const {
    list_export::Options options;
    options.answers = withAnswers->isChecked();
    options.names = !withoutNames->isChecked();
    return options;
}

QString ExportDialog::askForTarget() {
    const bool csv = format_ == list_export::Format::Csv;
    platform::FileDialogRequest request;
    request.title = texts::kSaveTitle;
    request.directory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (request.directory.isEmpty()) request.directory = QDir::homePath();
    request.fileName = list_export::proposedFileName(clinic_, platform::now().date(), format_);
    request.filter = csv ? texts::kCsvFilter : texts::kExcelFilter;
    QString path = platform::modal().saveFileName(parentWidget(), request);
    const QString ending = csv ? QStringLiteral(".csv") : QStringLiteral(".xlsx");
    if (!path.isEmpty() && !path.endsWith(ending, Qt::CaseInsensitive)) path += ending;
    return path;
}

void ExportDialog::goOn() {
    const list_export::Options chosen = options();
    QWidget* preview = parentWidget();
    // The choice is made: the dialog goes before the file dialog comes.
    hide();
    const auto done = qScopeGuard([this] { accept(); });
    const int boxStyle = platform::style::kIconExclamation | platform::style::kRightToLeftReading;
    RecordView* rows = rows_ ? rows_() : nullptr;
    if (!rows) {
        platform::modal().messageBox(preview, texts::kNoList, texts::kFailedTitle, boxStyle);
        return;
    }
    const QString target = askForTarget();
    if (target.isEmpty()) return;
    const list_export::Result result = list_export::write(*rows, chosen, format_, target);
    if (!result.ok()) {
        platform::modal().messageBox(preview, list_export::failureText(result, target), texts::kFailedTitle, boxStyle);
    }
}

} // namespace pentarix
