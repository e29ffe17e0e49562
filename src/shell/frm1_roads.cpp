// The main window's roads into the subsystems: registration, the test run,
// scoring and the lookup of a forgotten code. Each handler places the panel or
// hides the window; the work is the subsystem's.
#include "shell/frm1.h"

#include "examinees/frm_code.h"
#include "examinees/registration.h"
#include "platform/twips.h"
#include "scoring/frmk_lid.h"
#include "testing/test_run.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

namespace pentarix {

void Frm1::Command1_Click() {
    HidePanels();
    Frame10->show();
    twips::place(Frame10, 1500, 780, 6675, 2895);
    registration_->begin();
}

void Frm1::Combo1_Click() { Combo1_Change(); }
void Frm1::Combo1_Change() { Text15->setText(Combo1->currentText()); }
void Frm1::Combo2_Click() { Combo2_Change(); }
void Frm1::Combo2_Change() { Text16->setText(Combo2->currentText()); }
void Frm1::Combo3_Click() { Combo3_Change(); }
void Frm1::Combo3_Change() { Text17->setText(Combo3->currentText()); }

void Frm1::Text5_KeyPress(int& KeyAscii) { registration_->filterAgeKey(KeyAscii); }

void Frm1::Command8_Click() {
    Combo1_Change();
    Combo2_Change();
    Combo3_Change();
    if (registration_->save()) HidePanels();
}

void Frm1::Command10_Click() {
    registration_->cancel();
    HidePanels();
}

void Frm1::Command2_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
    runTest(this);
}

void Frm1::Command3_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
    if (openScoring(this)) hide();
}

void Frm1::Command4_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
    form<FrmCode>().show();
    hide();
}

} // namespace pentarix
