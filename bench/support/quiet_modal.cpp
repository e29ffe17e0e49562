#include "support/quiet_modal.h"

#include <utility>

namespace pentarix::bench {

QuietModal::QuietModal() { platform::setModalHost(this); }

QuietModal::~QuietModal() { platform::setModalHost(nullptr); }

QStringList QuietModal::take() { return std::exchange(messages, {}); }

int QuietModal::messageBox(QWidget*, const QString& text, const QString&, int style) {
    messages << text;
    const int buttons = style & 0x0F;
    if (buttons == platform::style::kYesNo || buttons == platform::style::kYesNoCancel) return question;
    return platform::answer::kOk;
}

QString QuietModal::inputBox(QWidget*, const QString&, const QString&, const QString&) {
    ++inputs;
    return input;
}

QString QuietModal::openFileName(QWidget*, const platform::FileDialogRequest&) { return {}; }
QString QuietModal::saveFileName(QWidget*, const platform::FileDialogRequest&) { return saveAs; }
bool QuietModal::printDialog(QWidget*, QPrinter&, int, int) { return false; }
void QuietModal::beep() {}
void QuietModal::endApplication(int) { ended = true; }

} // namespace pentarix::bench
