#pragma once

#include <QString>

class QPrinter;
class QWidget;

// Every modal interaction of the program passes through one host: message
// boxes, input boxes, file dialogs, the beep and ending the application at
// once. Production shows the real Qt dialogs; tests install a scripted host.
namespace pentarix::platform {

// Message box styles are sums of a button set, an icon and flags.
namespace style {
inline constexpr int kOk = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kIconCritical = 16;
inline constexpr int kIconQuestion = 32;
inline constexpr int kIconExclamation = 48;
inline constexpr int kIconInformation = 64;
inline constexpr int kRightToLeftReading = 1048576;
inline constexpr int kServiceNotification = 2097152;
} // namespace style

// What a message box answers.
namespace answer {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
} // namespace answer

struct FileDialogRequest {
    QString title;
    QString directory;
    QString fileName;
    QString filter;
};

class ModalHost {
public:
    virtual ~ModalHost() = default;
    // Shows a modal box and returns the answer; an empty title means the
    // application's title.
    virtual int messageBox(QWidget* owner, const QString& text, const QString& title, int style) = 0;
    // Returns the typed text, or the empty text when cancelled.
    virtual QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // Return the chosen path, or the empty text when cancelled.
    virtual QString openFileName(QWidget* owner, const FileDialogRequest& request) = 0;
    virtual QString saveFileName(QWidget* owner, const FileDialogRequest& request) = 0;
    // Lets the operator set up a print of pages first..last; false when cancelled.
    virtual bool printDialog(QWidget* owner, QPrinter& printer, int firstPage, int lastPage) = 0;
    virtual void beep() = 0;
    // Ends the process without running any further handler. A scripted host
    // records the call and returns, so callers return right after it.
    virtual void endApplication(int status) = 0;
};

// The real dialogs.
class QtModalHost final : public ModalHost {
public:
    int messageBox(QWidget* owner, const QString& text, const QString& title, int style) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString openFileName(QWidget* owner, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* owner, const FileDialogRequest& request) override;
    bool printDialog(QWidget* owner, QPrinter& printer, int firstPage, int lastPage) override;
    void beep() override;
    [[noreturn]] void endApplication(int status) override;
};

ModalHost& modal();
// Installs a host; nullptr puts the real dialogs back. The caller keeps ownership.
void setModalHost(ModalHost* host);

// The title of boxes that are given none.
QString applicationTitle();

} // namespace pentarix::platform
