// The main window's settings menu, clinic identity panel, theme panel and
// information buttons.
#include "shell/frm1.h"

#include "platform/twips.h"

#include <QFrame>

namespace pentarix {

void Frm1::Command9_Click() {
    HidePanels();
    Frame8->show();
    twips::place(Frame8, 6060, 3780, 2175, 2055);
}

void Frm1::Command11_Click() {}
void Frm1::Command5_Click() { HidePanels(); }
void Frm1::Command13_Click() {}
void Frm1::Command12_Click() { HidePanels(); }
void Frm1::Command45_Click() {}
void Frm1::Command44_Click() {}
void Frm1::Command43_Click() {}
void Frm1::Command42_Click() {}
void Frm1::Command50_Click() {}
void Frm1::Command49_Click() {}
void Frm1::Command48_Click() {}
void Frm1::Command47_Click() {}
void Frm1::Command41_Click() {}
void Frm1::Command52_Click() {}
void Frm1::Command53_Click() {}
void Frm1::Command46_Click() {}
void Frm1::Command68_Click() {}
void Frm1::Command67_Click() {}
void Frm1::Command69_Click() {}
void Frm1::Command64_Click() {}
void Frm1::Command7_Click() {}
void Frm1::Picture1_Click() {}

} // namespace pentarix
