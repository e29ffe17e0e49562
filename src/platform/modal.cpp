#include "platform/modal.h"

#include "platform/file_dialog.h"
#include "platform/fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdio>
#include <unistd.h>

namespace pentarix::platform {

namespace {

ModalHost* installed = nullptr;

QMessageBox::Icon iconOf(int style) {
    switch (style & 0xF0) {
    case style::kIconCritical: return QMessageBox::Critical;
    case style::kIconQuestion: return QMessageBox::Question;
    case style::kIconExclamation: return QMessageBox::Warning;
    case style::kIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int style) {
    switch (style & 0x0F) {
    case style::kOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case style::kYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case style::kYesNo: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

int answerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes: return answer::kYes;
    case QMessageBox::No: return answer::kNo;
    case QMessageBox::Cancel: return answer::kCancel;
    default: return answer::kOk;
    }
}

// Beside an icon, a left-to-right box's button places its Persian caption
// by a measure narrower than the shaped word ("تأیید" loses its first
// letter): the captions stand alone, centred in their buttons.
void captionsWithoutIcons(QMessageBox& box) {
    for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
}

} // namespace

QString applicationTitle() { return QStringLiteral("آزمون پنج عاملی شخصیت"); }

int QtModalHost::messageBox(QWidget* owner, const QString& text, const QString& title, int style) {
    QMessageBox box(iconOf(style), title.isEmpty() ? applicationTitle() : title, text, buttonsOf(style),
                    owner);
    box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    fonts::setDialogFont(box, fonts::boxes());
    box.setLayoutDirection((style & style::kRightToLeftReading) ? Qt::RightToLeft : Qt::LeftToRight);
    if (style & style::kServiceNotification) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // A Yes/No question without Escape: closing the box answers No.
    if ((style & 0x0F) == style::kYesNo) box.setEscapeButton(QMessageBox::No);
    captionsWithoutIcons(box);
    box.exec();
    auto* clicked = box.clickedButton();
    if (!clicked) return (style & 0x0F) == style::kYesNo ? answer::kNo : answer::kOk;
    return answerOf(box.standardButton(clicked));
}

QString QtModalHost::inputBox(QWidget* owner, const QString& prompt, const QString& title,
                              const QString& defaultText) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    // Asking its size makes the dialog build its buttons, which it otherwise
    // does only when shown, so that they take the font too.
    static_cast<void>(dialog.sizeHint());
    fonts::setDialogFont(dialog, fonts::boxes());
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.textValue();
}

QString QtModalHost::openFileName(QWidget* owner, const FileDialogRequest& request) {
    return showFileDialog(owner, request, false);
}

QString QtModalHost::saveFileName(QWidget* owner, const FileDialogRequest& request) {
    return showFileDialog(owner, request, true);
}

bool QtModalHost::printDialog(QWidget* owner, QPrinter& printer, int firstPage, int lastPage) {
    QPrintDialog dialog(&printer, owner);
    dialog.setMinMax(firstPage, lastPage);
    return dialog.exec() == QDialog::Accepted;
}

void QtModalHost::beep() { QApplication::beep(); }

void QtModalHost::endApplication(int status) {
    // Every row is stored when its handler commits it; nothing is left to
    // flush but the standard streams.
    std::fflush(nullptr);
    ::_exit(status);
}

ModalHost& modal() {
    static QtModalHost real;
    return installed ? *installed : real;
}

void setModalHost(ModalHost* host) { installed = host; }

} // namespace pentarix::platform
