#pragma once

#include "platform/form.h"

#include <QPixmap>

#include <array>
#include <memory>

class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class SkinLabel;

namespace pentarix {

class Registration;
class SkinEngine;

// The main window: the menu column, the clinic's name, the hint line and the
// four panels the menu opens (registration, themes, settings, clinic).
//
// Its handlers live in shell/: the window's own in frm1.cpp, the roads into
// registration, the test run, scoring and the lookup in frm1_roads.cpp, the
// settings, themes and clinic in frm1_settings.cpp. Each handler is short: the
// work it starts belongs to its subsystem.
class Frm1 final : public Form {
    Q_OBJECT
public:
    Frm1();
    ~Frm1() override;

    // --- Controls, with their designer names.
    QFrame* Frame7;        // the menu column
    QPushButton* Command1; // register an examinee
    QPushButton* Command2; // run the test
    QPushButton* Command3; // scoring
    QPushButton* Command4; // forgotten code
    QPushButton* Command11;
    QPushButton* Command5;
    QPushButton* Command13;
    QPushButton* Command9; // settings
    QPushButton* Command12;
    QPushButton* Command6; // exit
    QLineEdit* Text3;      // closing flag: "2" normal close, "1" theme change
    SkinLabel* SkinLabel1; // the clinic's name
    SkinLabel* SkinLabel2; // the hint line
    SkinLabel* SkinLabel7; // version

    // Registration panel.
    QFrame* Frame10;
    SkinLabel* SkinLbl;
    QLineEdit* Text11; // code
    SkinLabel* SkinLabel3;
    QLineEdit* Text6;  // first name
    std::array<SkinLabel*, 8> SkinLabel21{};
    QLineEdit* Text4;  // last name
    QLineEdit* Text5;  // age
    QComboBox* Combo1; // marital status
    QLineEdit* Text8;  // date
    QComboBox* Combo2; // gender
    QComboBox* Combo3; // group
    QLineEdit* Text7;  // education
    QPushButton* Command8;  // save
    QPushButton* Command10; // cancel
    QLineEdit* Text9;  // time
    QLineEdit* Text15; // Taahol, from Combo1
    QLineEdit* Text16; // Jens, from Combo2
    QLineEdit* Text17; // Group, from Combo3
    QLineEdit* Text12; // Code of Adodc3
    QLineEdit* Text10; // Code of Adodc4

    // Theme panel.
    QFrame* Frame6;
    QPushButton* Command45;
    QPushButton* Command44;
    QPushButton* Command43;
    QPushButton* Command42;
    QPushButton* Command50;
    QPushButton* Command49;
    QPushButton* Command48;
    QPushButton* Command47;
    QPushButton* Command41;
    QPushButton* Command52;
    QPushButton* Command53;
    QPushButton* Command46;

    // Settings panel.
    QFrame* Frame8;
    QPushButton* Command68;
    QPushButton* Command67;
    QPushButton* Command69;
    QPushButton* Command65;
    QPushButton* Command66;

    // Clinic identity panel.
    QFrame* Frame9;
    QLineEdit* Text2;  // clinic name
    SkinLabel* SkinLabel4;
    QLineEdit* Text14; // clinic address
    SkinLabel* SkinLabel5;
    QPushButton* Command64;
    QPushButton* Command7;

    QLabel* Picture1;
    QLineEdit* Text1; // theme number
    SkinEngine* Skin1;

    // --- Views.
    RecordView* Adodc1; // Theme
    RecordView* Adodc2; // IDE
    RecordView* Adodc3; // Answer
    RecordView* Adodc4; // Answer

    // --- Handlers, in the order of the window's controls.
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
    void Text5_KeyPress(int& KeyAscii);
    void Combo1_Click();
    void Combo1_Change();
    void Combo2_Click();
    void Combo2_Change();
    void Combo3_Click();
    void Combo3_Change();
    void Command8_Click();
    void Command10_Click();
    void Command45_Click();
    void Command44_Click();
    void Command43_Click();
    void Command42_Click();
    void Command50_Click();
    void Command49_Click();
    void Command48_Click();
    void Command47_Click();
    void Command41_Click();
    void Command52_Click();
    void Command53_Click();
    void Command46_Click();
    void Command68_Click();
    void Command67_Click();
    void Command69_Click();
    void Command64_Click();
    void Command7_Click();
    void Text2_Change();
    void Picture1_Click();

    // Hides the four panels and discards an unsaved registration.
    void HidePanels();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openViews();
    void buildControls();
    void buildMenuColumn();
    void buildHeadings();
    void buildRegistrationPanel();
    void buildThemePanel();
    void buildSettingsPanels();
    void wire();
    void bindViews();
    void showHint(const QString& hint);
    void clearHint();

    QPixmap webAddressPicture_;
    std::unique_ptr<Registration> registration_;
};

} // namespace pentarix
