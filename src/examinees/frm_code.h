#pragma once

#include "platform/form.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableView;
class SkinLabel;

namespace pentarix {

class DataCombo;
class RecordViewTableModel;
class SkinEngine;

// The lookup window: finds a forgotten code by group, last name or first
// name, deletes an examinee with both of its rows, and prints one group.
class FrmCode final : public Form {
    Q_OBJECT
public:
    FrmCode();
    ~FrmCode() override;

    // --- Controls, with their designer names.
    SkinLabel* DataGrid1Caption;
    QTableView* DataGrid1;
    RecordViewTableModel* DataGrid1Rows;
    DataCombo* DataCombo6; // first names
    SkinLabel* Label6;
    DataCombo* DataCombo1; // last names
    SkinLabel* Label1;
    QComboBox* Combo3;     // groups; also takes typed text
    SkinLabel* Label3;
    QGroupBox* Frame1;     // deletion panel
    SkinLabel* Label2;
    QLineEdit* Text5;      // code to delete
    QPushButton* Command2; // delete
    QPushButton* Command1; // print by group
    QPushButton* Command6; // close
    QLineEdit* Text1;      // TH
    QLineEdit* Text8;      // clinic name
    QLineEdit* Text4;      // clinic address
    QLineEdit* Text2;      // Code of Adodc2
    QLineEdit* Text3;      // Code of Adodc3
    QLineEdit* Text6;      // Code of Adodc3
    QLineEdit* Text7;      // Code of Adodc4
    SkinEngine* Skin1;

    // --- Views.
    RecordView* Adodc1; // Theme
    RecordView* Adodc2; // IDE: the lookup view behind the grid and the name lists
    RecordView* Adodc3; // IDE: the examinee to delete
    RecordView* Adodc4; // Answer: the answer sheet to delete

    // --- Handlers, in the order of the window's controls.
    void Form_Load() override;
    void Form_Unload() override;
    void DataCombo6_Click();
    void DataCombo6_Change();
    void DataCombo1_Click();
    void DataCombo1_Change();
    void Combo3_Click();
    void Combo3_Change();
    void Command2_Click();
    void Command1_Click();
    void Command6_Click();

private:
    void openViews();
    void buildControls();
    void buildGrid();
    void buildChoices();
    void wire();
    void bindViews();
    void showInGrid();
    void narrowLookup(const QString& field, const QString& value);
};

} // namespace pentarix
