#pragma once

#include "platform/modal.h"

#include <QString>
#include <QStringList>

namespace pentarix::bench {

// A modal host that shows nothing and remembers everything: message boxes
// answer at once (a question answers `question`, any other box OK), input
// boxes answer `input`, a save dialog answers `saveAs`, the other file
// dialogs and print dialogs are cancelled. A benchmark
// reads `messages` to tell a finished action from one that was refused with
// a box. Installed for its lifetime.
class QuietModal final : public platform::ModalHost {
public:
    QuietModal();
    ~QuietModal() override;
    QuietModal(const QuietModal&) = delete;
    QuietModal& operator=(const QuietModal&) = delete;

    QString input;
    QString saveAs; // empty: the save dialog is cancelled
    int question = platform::answer::kYes;
    QStringList messages; // the texts of the boxes, in order
    int inputs = 0;
    bool ended = false;

    // The texts of the boxes since the last call.
    QStringList take();

    int messageBox(QWidget* owner, const QString& text, const QString& title, int style) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString openFileName(QWidget* owner, const platform::FileDialogRequest& request) override;
    QString saveFileName(QWidget* owner, const platform::FileDialogRequest& request) override;
    bool printDialog(QWidget* owner, QPrinter& printer, int firstPage, int lastPage) override;
    void beep() override;
    void endApplication(int status) override;
};

} // namespace pentarix::bench
