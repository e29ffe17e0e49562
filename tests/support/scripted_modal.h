#pragma once

#include "platform/modal.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class QWidget;

namespace pentarix::test {

// A modal host for tests: records every interaction and answers from queues
// instead of showing a dialog. Installed for its lifetime.
class ScriptedModal final : public platform::ModalHost {
public:
    struct Call {
        enum class Kind { Message, Input, OpenFile, SaveFile, Print, Beep, End } kind;
        QWidget* owner = nullptr;
        QString text;  // message text or input prompt
        QString title;
        int style = 0; // message style, or the exit status
    };

    ScriptedModal();
    ~ScriptedModal() override;

    // Answers, taken in order; when a queue is empty a message box answers OK
    // (No for a Yes/No question), an input box and a file dialog answer "".
    std::deque<int> messageAnswers;
    std::deque<QString> inputAnswers;
    std::deque<QString> fileAnswers;
    std::deque<bool> printAnswers; // empty: the print is cancelled

    std::vector<Call> calls;

    int messageBox(QWidget* owner, const QString& text, const QString& title, int style) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString openFileName(QWidget* owner, const platform::FileDialogRequest& request) override;
    QString saveFileName(QWidget* owner, const platform::FileDialogRequest& request) override;
    bool printDialog(QWidget* owner, QPrinter& printer, int firstPage, int lastPage) override;
    void beep() override;
    void endApplication(int status) override;

    // The texts of the message boxes shown, in order.
    QStringList messages() const;
    int count(Call::Kind kind) const;
    bool ended() const { return count(Call::Kind::End) > 0; }
    void clear() { calls.clear(); }
};

} // namespace pentarix::test
