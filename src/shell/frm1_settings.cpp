// The main window's settings menu, clinic identity panel, theme panel and
// information buttons.
#include "shell/frm1.h"

#include "common/messages.h"
#include "data/data_error.h"
#include "platform/launcher.h"
#include "platform/modal.h"
#include "platform/twips.h"
#include "shell/about.h"
#include "shell/contact.h"
#include "shell/frm1_settings_texts.h"
#include "shell/frmq.h"
#include "shell/frmravansanji.h"
#include "shell/frmskin.h"

#include <QFrame>
#include <QLineEdit>
#include <QUrl>

namespace pentarix {

namespace {

// A store the file refuses (locked, read-only) is told to the operator and
// leaves the window as it was, rather than ending the program.
void reportStoreFailure(QWidget* owner, const DataError& error) {
    MessageBox(owner, error.description(), QString(),
               platform::style::kIconCritical | platform::style::kRightToLeftReading);
}

// The steps every theme button takes with its own number.
void storeTheme(Frm1& w, int number) {
    w.Text3->setText(QStringLiteral("1"));
    try {
        w.Adodc1->Refresh();
        w.Text1->setText(QString::number(number));
        w.Adodc1->Save();
        w.Adodc1->Refresh();
    } catch (const DataError& error) {
        // The window stays, so it must close normally again later, and the
        // refused number must not ride along with a later save.
        w.Text3->setText(QStringLiteral("2"));
        try {
            w.Adodc1->Refresh();
        } catch (const DataError&) {
        }
        reportStoreFailure(&w, error);
        return;
    }
    form<Frmskin>().show();
    w.close();
}

} // namespace

void Frm1::Command9_Click() {
    HidePanels();
    Frame8->show();
    twips::place(Frame8, 6060, 3780, 2175, 2055);
}

void Frm1::Command11_Click() { form<Frmravansanji>().showModal(); }

void Frm1::Command5_Click() {
    HidePanels();
    if (!platform::startCalculator()) ShowTimedMessage(this, frm1_settings_texts::kNoCalculator);
}

void Frm1::Command13_Click() { form<FrmQ>().showModal(); }

void Frm1::Command12_Click() {
    HidePanels();
    form<About>().showModal();
}

void Frm1::Command45_Click() { storeTheme(*this, 1); }
void Frm1::Command44_Click() { storeTheme(*this, 2); }
void Frm1::Command43_Click() { storeTheme(*this, 3); }
void Frm1::Command42_Click() { storeTheme(*this, 4); }
void Frm1::Command50_Click() { storeTheme(*this, 5); }
void Frm1::Command49_Click() { storeTheme(*this, 6); }
void Frm1::Command48_Click() { storeTheme(*this, 7); }
void Frm1::Command47_Click() { storeTheme(*this, 8); }
void Frm1::Command41_Click() { storeTheme(*this, 9); }
void Frm1::Command52_Click() { storeTheme(*this, 10); }
void Frm1::Command53_Click() { storeTheme(*this, 11); }

void Frm1::Command46_Click() { Frame6->hide(); }

void Frm1::Command68_Click() {
    HidePanels();
    Frame8->show();
    Frame6->show();
    twips::place(Frame6, 3420, 780, 2595, 7575);
    // The tall panel reaches down over the web picture.
    Frame6->raise();
}

void Frm1::Command67_Click() {
    HidePanels();
    Frame8->show();
    Frame9->show();
    twips::place(Frame9, 1620, 840, 6075, 2295);
}

void Frm1::Command69_Click() { HidePanels(); }

void Frm1::Command64_Click() {
    try {
        Adodc1->Save();
        Adodc1->Refresh();
    } catch (const DataError& error) {
        // The typed name and address stay as a pending edit, so the operator
        // can save again once the file takes them.
        reportStoreFailure(this, error);
        return;
    }
    Frame9->hide();
}

void Frm1::Command7_Click() { Frame9->hide(); }

void Frm1::Picture1_Click() {
    const bool main = platform::launcher().openUrl(QUrl(contact::kMainSite));
    const bool second = platform::launcher().openUrl(QUrl(contact::kSecondSite));
    if (!main && !second) ShowTimedMessage(this, frm1_settings_texts::kNoBrowser);
}

} // namespace pentarix
