#pragma once

#include "platform/form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SkinLabel;

namespace pentarix {

class SkinEngine;

// The main window: the menu column, the clinic's name, the hint line and the
// panels that the menu opens.
class Frm1 final : public Form {
    Q_OBJECT
public:
    Frm1();
    ~Frm1() override;

    // Controls, with their designer names.
    QFrame* Frame7;       // the menu column
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command11;
    QPushButton* Command5;
    QPushButton* Command13;
    QPushButton* Command9;
    QPushButton* Command12;
    QPushButton* Command6;
    QLineEdit* Text3;     // closing flag: "2" normal close, "1" theme change
    SkinLabel* SkinLabel1; // the clinic's name
    SkinLabel* SkinLabel2; // the hint line
    SkinLabel* SkinLabel7; // version
    QFrame* Frame10;      // registration panel
    QFrame* Frame6;       // theme panel
    QFrame* Frame8;       // settings panel
    QPushButton* Command68;
    QPushButton* Command67;
    QPushButton* Command69;
    QPushButton* Command65;
    QPushButton* Command66;
    QFrame* Frame9;       // clinic identity panel
    QLineEdit* Text2;     // clinic name
    SkinLabel* SkinLabel4;
    QLineEdit* Text14;    // clinic address
    SkinLabel* SkinLabel5;
    QPushButton* Command64;
    QPushButton* Command7;
    QLabel* Picture1;
    QLineEdit* Text1;     // theme number
    SkinEngine* Skin1;

    // Views.
    RecordView* Adodc1; // Theme
    RecordView* Adodc2; // IDE
    RecordView* Adodc3; // Answer
    RecordView* Adodc4; // Answer

    // Handlers, in the order of the window's controls.
    void Form_Load() override;
    void Form_Unload() override;
    void Form_MouseMove();
    void Frame7_MouseMove();
    void Command1_Click();
    void Command1_MouseMove();
    void Command2_Click();
    void Command2_MouseMove();
    void Command3_Click();
    void Command3_MouseMove();
    void Command4_Click();
    void Command4_MouseMove();
    void Command11_Click();
    void Command5_Click();
    void Command13_Click();
    void Command9_Click();
    void Command9_MouseMove();
    void Command12_Click();
    void Command6_Click();
    void Text2_Change();

    // Hides the four panels and discards an unsaved registration.
    void HidePanels();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void wire();
    void openViews();
    void bindViews();
    void showHint(const QString& hint);
    void clearHint();
};

} // namespace pentarix
