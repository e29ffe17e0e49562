// Registering an examinee on the main window's panel Frame10.
#include "shell/frm1.h"

#include "common/messages.h"
#include "common/module7.h"
#include "data/data_error.h"
#include "data/data_store.h"
#include "platform/clock.h"
#include "platform/modal.h"
#include "platform/twips.h"
#include "shell/frm1_texts.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>


namespace pentarix {

namespace texts = frm1_texts;

void Frm1::Command1_Click() {
    HidePanels();
    Frame10->show();
    twips::place(Frame10, 1500, 780, 6675, 2895);
    Adodc2->AddNew();
    const QDateTime opened = platform::now();
    Text9->setText(opened.time().toString(QStringLiteral("HH:mm:ss")));
    Text8->setText(SolarHijriDate(opened, 0));
    Text11->setFocus();
}

void Frm1::Combo1_Click() { Combo1_Change(); }
void Frm1::Combo1_Change() { Text15->setText(Combo1->currentText()); }
void Frm1::Combo2_Click() { Combo2_Change(); }
void Frm1::Combo2_Change() { Text16->setText(Combo2->currentText()); }
void Frm1::Combo3_Click() { Combo3_Change(); }
void Frm1::Combo3_Change() { Text17->setText(Combo3->currentText()); }

void Frm1::Text5_KeyPress(int& KeyAscii) {
    if (KeyAscii == 8 || KeyAscii == 13 || (KeyAscii >= '0' && KeyAscii <= '9')) return;
    platform::modal().beep();
    KeyAscii = 0;
    ShowTimedMessage(this, texts::kDigitsOnly);
}

void Frm1::Command8_Click() {
    Combo1_Change();
    Combo2_Change();
    Combo3_Change();

    // The first empty entry stops the save; blanks count as content.
    const struct {
        QLineEdit* box;
        const QString& message;
        QWidget* focus;
    } required[] = {
        {Text11, texts::kMissingText11, Text11}, {Text6, texts::kMissingText6, Text6},
        {Text4, texts::kMissingText4, Text4},    {Text16, texts::kMissingText16, Combo2},
        {Text5, texts::kMissingText5, Text5},    {Text15, texts::kMissingText15, Combo1},
        {Text17, texts::kMissingText17, Combo3}, {Text7, texts::kMissingText7, Text7},
    };
    for (const auto& entry : required) {
        if (entry.box->text().isEmpty()) {
            ShowTimedMessage(this, entry.message);
            entry.focus->setFocus();
            return;
        }
    }

    const QString code = Text11->text();
    const QString answerCode = code.trimmed();
    try {
        Adodc3->Refresh();
        if (Adodc3->storeContains(QStringLiteral("Code"), answerCode) ||
            Adodc2->storeContains(QStringLiteral("Code"), code)) {
            throw DataError(DataError::Kind::DuplicateCode, texts::kCodeTaken);
        }
        // The answer sheet and the examinee's row reach the file together or
        // not at all, whatever stops the save half-way.
        Transaction both(Adodc2->store());
        Adodc3->AddNew();
        Adodc3->setField(QStringLiteral("Code"), answerCode);
        Adodc3->Save();
        Adodc2->Save();
        Adodc2->Update();
        Adodc3->Update();
        both.commit();
    } catch (const DataError& e) {
        reportRegistrationFailure(e);
        return;
    }
    Adodc2->Refresh();
    Adodc3->Refresh();
    HidePanels();
}

// A code that is really taken gets the registration's own words; any other
// failure says what it was, and the panel keeps what was typed.
void Frm1::reportRegistrationFailure(const DataError& failure) {
    try {
        Adodc3->Refresh();
    } catch (const DataError&) {
        // The failure below is the one the operator needs to read.
    }
    if (failure.kind() == DataError::Kind::DuplicateCode) {
        ShowTimedMessage(this, texts::kCodeTaken);
        return;
    }
    MessageBox(this, texts::kNotRegistered + QLatin1Char('\n') + failure.description(), QString(),
               platform::style::kIconExclamation | platform::style::kRightToLeftReading);
}

void Frm1::Command10_Click() {
    Adodc2->Refresh();
    HidePanels();
}

} // namespace pentarix
