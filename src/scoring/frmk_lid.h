#pragma once

#include "platform/form.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pentarix {

class SkinEngine;

// The scoring window: picks an examinee by code, refuses an answer sheet
// with unanswered items, adds the keyed answers of each factor's ten items
// and stores the five sums; prints the result sheet and the list of every
// examinee.
class FrmkLID final : public Form {
    Q_OBJECT
public:
    FrmkLID();
    ~FrmkLID() override;

    // The factor of an item 1 .. 50: 0 E, 1 A, 2 C, 3 ES, 4 O.
    static int factorOfItem(int item) { return (item - 1) % 5; }

    // --- Controls, with their designer names.
    // Identity panel.
    QFrame* Frame1;
    QLabel* Label1;  // " :کد"
    QLineEdit* Text15;  // Code
    QLabel* Label2;  // " :نام"
    std::array<QLineEdit*, 4> Text3{}; // Text3(3): FName
    QLabel* Label3;  // " :نام خانوادگي"
    QLineEdit* Text12;  // LName
    QLabel* Label4;  // " :جنس"
    QLineEdit* Text10;  // Jens
    QLabel* Label5;  // " :سن"
    QLineEdit* Text6;   // Sen
    QLabel* Label6;  // " :وضعيت تاهل"
    QLineEdit* Text11;  // Taahol
    QLabel* Label7;  // " :ميزان تحصيلات"
    QLineEdit* Text7;   // Tahsil
    QLabel* Label8;  // " :تاريخ"
    QLineEdit* Text8;   // Date
    QLabel* Label9;  // " :ساعت"
    QLineEdit* Text9;   // Time

    // Factor row, right to left.
    QLabel* Label10;
    QLineEdit* Text2;  // E
    QLabel* Label11;
    QLineEdit* Text4;  // A
    QLabel* Label12;
    QLineEdit* Text14; // C
    QLabel* Label13;
    QLineEdit* Text17; // ES
    QLabel* Label14;
    QLineEdit* Text18; // O

    // The answer grid: Txt3(i) shows field "i"; element 0 is not used.
    std::array<QLineEdit*, 51> Txt3{};

    QPushButton* Command1; // select and score
    QPushButton* Command6; // print the examinee scored
    QPushButton* Command3; // print every examinee
    QPushButton* Command2; // help
    QPushButton* Command4; // close

    // Help panel.
    QFrame* Frame2;
    QPlainTextEdit* Text21;
    QPushButton* Command7;

    // Hidden boxes.
    QLineEdit* Text1;  // TH
    QLineEdit* Text13; // the clinic's name
    QLineEdit* Text16; // the clinic's address
    QLineEdit* Text19; // Code of the answer sheet
    QLineEdit* Text20; // Code of the row that receives the scores
    QLineEdit* Text5;  // the code last scored, bound to nothing

    SkinEngine* Skin1;

    // --- Views.
    RecordView* Adodc1; // Theme
    RecordView* Adodc2; // Answer: the selected answer sheet
    RecordView* Adodc3; // IDE: the selected examinee's identity
    RecordView* Adodc4; // Answer, opened and not otherwise used
    RecordView* Adodc5; // IDE: the row that receives the scores
    RecordView* Adodc6; // IDE: every examinee, for the list

    // --- Handlers, in the order of the window's controls.
    void Form_Load() override;
    void Form_Unload() override;
    void Command1_Click();
    void Command6_Click();
    void Command3_Click();
    void Command2_Click();
    void Command4_Click();
    void Command7_Click();

    // The item numbers of the empty answer boxes, each as a blank, the
    // number and two blanks; empty when every item is answered.
    QString UnansweredItems() const;

private:
    void openViews();
    void buildControls();
    void buildIdentityPanel();
    void buildFactorRow();
    void buildAnswerGrid();
    void buildHelpPanel();
    void wire();
    void bindViews();

    // Fills the five score boxes with the sums of the answer boxes.
    void ShowScores();
    // Writes the five score boxes into the row that receives the scores and
    // stores it.
    void StoreScores();
    // Puts the identity boxes and the answer grid back on the examinee last
    // scored, when a lookup since then has moved them.
    void ShowScoredExaminee();
};

// Opens the scoring window over `owner`; a file its views cannot read is told
// there and the window stays closed. True once the window is open.
bool openScoring(QWidget* owner);

} // namespace pentarix
