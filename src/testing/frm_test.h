#pragma once

#include "platform/form.h"

#include <array>

class QGroupBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SkinLabel;

namespace pentarix {

class FieldBinding;
class SkinEngine;

// The test window: the instructions first, then one item at a time with its
// five options, the examinee's identification and the item number. Each
// choice goes, already keyed, into the field of the examinee's answer row
// named by the item number.
//
// The main window narrows Adodc2 and Adodc3 to the examinee before it shows
// this window modally (testing/frm1_test_run.cpp).
class FrmTest final : public Form {
    Q_OBJECT
public:
    FrmTest();
    ~FrmTest() override;

    // --- Controls, with their designer names.
    SkinLabel* SkinLabel3; // title, start screen of the first run
    SkinLabel* SkinLabel4; // instructions
    SkinLabel* SkinLabel6; // legend of the options

    // Identification panel, bound to Adodc3.
    QFrame* Frame1;
    QLineEdit* Text1; // Code, read-only
    SkinLabel* SkinLbl;
    QLineEdit* Text3; // FName
    SkinLabel* SkinLabel1;
    QLineEdit* Text4; // LName
    QLineEdit* Text10; // Jens
    QLineEdit* Text5;  // Sen
    QLineEdit* Text11; // Taahol
    QLineEdit* Text7;  // Tahsil
    QLineEdit* Text8;  // Date
    QLineEdit* Text9;  // Time
    std::array<SkinLabel*, 7> SkinLabel2{};

    SkinLabel* SkinLbl5; // item text
    QLineEdit* Text6;    // item number
    QGroupBox* Frame2;   // the options; its caption is the item number
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QPushButton* CmdBack;
    QPushButton* CmdNext; // the default button: Enter presses it
    QPushButton* Command1; // start
    QPushButton* Command5; // save and leave
    QPushButton* Command2; // leave
    // Of our own, in free space at the right of the bottom row: how many of
    // the items the sheet on screen answers. Item screen only.
    SkinLabel* LblAnswered;

    // Hidden controls.
    QLineEdit* Text2;  // TH of Adodc1
    QLineEdit* Text12; // answer slot, bound at each item step to the item's field of Adodc2
    QLineEdit* Text13; // FName of Adodc5
    QLineEdit* Text14; // Code of Adodc2
    QLineEdit* Text15; // Code of Adodc2
    QLineEdit* Text16; // Code of Adodc4
    QLineEdit* Text17; // ID of Adodc6
    QLabel* Lbl1;      // QU of Adodc6
    SkinEngine* Skin1;

    // --- Views.
    RecordView* Adodc1; // Theme
    RecordView* Adodc2; // Answer, the examinee's answer row
    RecordView* Adodc3; // IDE, the examinee's identity
    RecordView* Adodc4; // Answer
    RecordView* Adodc5; // IDE
    RecordView* Adodc6; // QU, the item shown

    // --- Handlers, in the order of the window's controls.
    void Form_Load() override;
    void Text5_KeyPress(int& KeyAscii);
    void Text6_Change();
    void Text6_KeyPress(int& KeyAscii);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void CmdBack_Click();
    void CmdNext_Click();
    void Command1_Click();
    void Command5_Click();
    void Command2_Click();

    // --- The answer key at work on the item number, the slot and the options.
    void RecordChoice();
    void RecordChoiceForward();
    void RecordChoiceReversed();
    void ShowStoredAnswer();
    void ShowAnswerForward();
    void ShowAnswerReversed();

    const std::array<QRadioButton*, 5>& options() const { return options_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openViews();
    void buildControls();
    void buildStartScreen();
    void buildIdentificationPanel();
    void buildItemArea();
    void buildOptions();
    void buildButtons();
    void wire();
    void bindViews();

    // The item number as a whole number; NaN when the box is empty or its
    // text reads as no whole number.
    double itemNumber() const;
    void showItem(int item);
    void bindAnswerSlot(int item);
    void recordChoice(bool reversed);
    void showAnswer(bool reversed);
    void selectOption(int option);
    // A digit 1 to 5 typed outside the boxes that take typing chooses that
    // option on the item screen, as a click on it does; false for any other key.
    bool chooseOptionByKey(const QKeyEvent* event);
    int answeredItems() const;
    void showAnsweredCount();
    void clearOptions();
    void refuseKey(int& KeyAscii);
    // Saves a view; a refusal of the store is reported and leaves the
    // pending change in the view.
    bool saveView(RecordView* view);
    void reloadViews();

    std::array<QRadioButton*, 5> options_{};
    FieldBinding* answerSlot_ = nullptr;
};

} // namespace pentarix
