#include "support/scripted_modal.h"

#include <algorithm>

namespace pentarix::test {

ScriptedModal::ScriptedModal() { platform::setModalHost(this); }

ScriptedModal::~ScriptedModal() { platform::setModalHost(nullptr); }

int ScriptedModal::messageBox(QWidget* owner, const QString& text, const QString& title, int style) {
    calls.push_back({Call::Kind::Message, owner, text, title, style});
    if (!messageAnswers.empty()) {
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return (style & 0x0F) == platform::style::kYesNo ? platform::answer::kNo : platform::answer::kOk;
}

QString ScriptedModal::inputBox(QWidget* owner, const QString& prompt, const QString& title, const QString&) {
    calls.push_back({Call::Kind::Input, owner, prompt, title, 0});
    if (inputAnswers.empty()) return QString();
    const QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

QString ScriptedModal::openFileName(QWidget* owner, const platform::FileDialogRequest& request) {
    calls.push_back({Call::Kind::OpenFile, owner, request.fileName, request.title, 0});
    if (fileAnswers.empty()) return QString();
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString ScriptedModal::saveFileName(QWidget* owner, const platform::FileDialogRequest& request) {
    calls.push_back({Call::Kind::SaveFile, owner, request.fileName, request.title, 0});
    if (fileAnswers.empty()) return QString();
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

bool ScriptedModal::printDialog(QWidget* owner, QPrinter&, int firstPage, int lastPage) {
    calls.push_back({Call::Kind::Print, owner, QString(), QString(), lastPage - firstPage + 1});
    if (printAnswers.empty()) return false;
    const bool answer = printAnswers.front();
    printAnswers.pop_front();
    return answer;
}

void ScriptedModal::beep() { calls.push_back({Call::Kind::Beep, nullptr, QString(), QString(), 0}); }

void ScriptedModal::endApplication(int status) {
    calls.push_back({Call::Kind::End, nullptr, QString(), QString(), status});
}

QStringList ScriptedModal::messages() const {
    QStringList texts;
    for (const Call& call : calls) {
        if (call.kind == Call::Kind::Message) texts << call.text;
    }
    return texts;
}

int ScriptedModal::count(Call::Kind kind) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [kind](const Call& c) { return c.kind == kind; }));
}

} // namespace pentarix::test
