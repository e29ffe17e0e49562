#include "examinees/frm_code.h"

#include "common/messages.h"
#include "common/theme.h"
#include "data/data_error.h"
#include "data/data_store.h"
#include "data/value_text.h"
#include "examinees/frm_code_texts.h"
#include "platform/controls.h"
#include "platform/data_binding.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/modal.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "platform/view_models.h"
#include "scoring/data_r_print.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace pentarix {

namespace texts = frm_code_texts;
using controls::button;
using controls::hiddenBox;
using controls::label;

FrmCode::FrmCode() {
    setObjectName(QStringLiteral("FrmCode"));
    openViews();
    buildControls();
    wire();
    bindViews();
}

FrmCode::~FrmCode() = default;

void FrmCode::openViews() {
    Adodc1 = openView(QStringLiteral("Theme"));
    Adodc2 = openView(QStringLiteral("IDE"));
    Adodc3 = openView(QStringLiteral("IDE"));
    Adodc4 = openView(QStringLiteral("Answer"));
}

void FrmCode::buildControls() {
    setWindowTitle(texts::kCaption);
    twips::setClientSize(this, 10230, 8055);
    buildGrid();
    buildChoices();

    Frame1 = controls::make<QGroupBox>(this, "Frame1");
    Frame1->setTitle(texts::kFrame1Caption);
    twips::place(Frame1, 6720, 2340, 3390, 2415);
    Label2 = label(Frame1, "Label2", texts::kFrame1Label, Qt::AlignCenter, 120, 480, 3150, 375);
    Text5 = controls::make<QLineEdit>(Frame1, "Text5");
    Text5->setAlignment(Qt::AlignCenter);
    twips::place(Text5, 840, 1020, 1710, 435);
    Command2 = button(Frame1, "Command2", texts::kCommand2Caption, 1080, 1680, 1230, 495);

    Command1 = button(this, "Command1", texts::kCommand1Caption, 7080, 5460, 2670, 555);
    Command6 = button(this, "Command6", texts::kCommand6Caption, 7680, 6240, 1470, 555);

    Text1 = hiddenBox(this, "Text1");
    Text8 = hiddenBox(this, "Text8");
    Text4 = hiddenBox(this, "Text4");
    Text2 = hiddenBox(this, "Text2");
    Text3 = hiddenBox(this, "Text3");
    Text6 = hiddenBox(this, "Text6");
    Text7 = hiddenBox(this, "Text7");
    Skin1 = new SkinEngine(this);
}

// The examinees' list, one row per examinee.
void FrmCode::buildGrid() {
    DataGrid1Caption = label(this, "DataGrid1Caption", texts::kGridCaption, Qt::AlignCenter, 120, 120, 6345, 405);
    DataGrid1 = controls::make<QTableView>(this, "DataGrid1");
    DataGrid1Rows = new RecordViewTableModel({{QStringLiteral("Code"), texts::kColumnCode},
                                              {QStringLiteral("FName"), texts::kColumnFName},
                                              {QStringLiteral("LName"), texts::kColumnLName},
                                              {QStringLiteral("Group"), texts::kColumnGroup}},
                                             this);
    DataGrid1->setModel(DataGrid1Rows);
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setAlternatingRowColors(true);
    DataGrid1->verticalHeader()->hide();
    DataGrid1->verticalHeader()->setDefaultSectionSize(twips::px(375));
    DataGrid1->horizontalHeader()->setHighlightSections(false);
    const int widths[] = {915, 1515, 1920, 1515};
    for (int column = 0; column < 4; ++column) DataGrid1->setColumnWidth(column, twips::px(widths[column]));
    twips::place(DataGrid1, 120, 525, 6345, 7410);
}

// The three ways to narrow the list: by first name, by last name, by group.
// Each caption ends at its list, at the label's left edge.
void FrmCode::buildChoices() {
    DataCombo6 = controls::make<DataCombo>(this, "DataCombo6");
    twips::placeWidth(DataCombo6, 6720, 300, 2160);
    Label6 = label(this, "Label6", texts::kDataCombo6Label, Qt::AlignLeft, 8940, 330, 1170, 375);
    DataCombo1 = controls::make<DataCombo>(this, "DataCombo1");
    twips::placeWidth(DataCombo1, 6720, 900, 2160);
    Label1 = label(this, "Label1", texts::kDataCombo1Label, Qt::AlignLeft, 8940, 930, 1170, 375);
    Combo3 = controls::make<QComboBox>(this, "Combo3");
    Combo3->setEditable(true);
    Combo3->setInsertPolicy(QComboBox::NoInsert);
    Combo3->setCompleter(nullptr);
    Combo3->addItems(texts::kGroups);
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(QString());
    twips::placeWidth(Combo3, 6720, 1500, 2160);
    Label3 = label(this, "Label3", texts::kCombo3Label, Qt::AlignLeft, 8940, 1530, 1170, 375);
}

void FrmCode::wire() {
    connectHandler(DataCombo6, &QComboBox::activated, this, &FrmCode::DataCombo6_Click);
    connectHandler(DataCombo6, &QComboBox::editTextChanged, this, &FrmCode::DataCombo6_Change);
    connectHandler(DataCombo1, &QComboBox::activated, this, &FrmCode::DataCombo1_Click);
    connectHandler(DataCombo1, &QComboBox::editTextChanged, this, &FrmCode::DataCombo1_Change);
    connectHandler(Combo3, &QComboBox::activated, this, &FrmCode::Combo3_Click);
    connectHandler(Combo3, &QComboBox::editTextChanged, this, &FrmCode::Combo3_Change);
    connectHandler(Command2, &QPushButton::clicked, this, &FrmCode::Command2_Click);
    connectHandler(Command1, &QPushButton::clicked, this, &FrmCode::Command1_Click);
    connectHandler(Command6, &QPushButton::clicked, this, &FrmCode::Command6_Click);
}

void FrmCode::bindViews() {
    bind(Text1, Adodc1, QStringLiteral("TH"));
    bind(Text8, Adodc1, QStringLiteral("Name"));
    bind(Text4, Adodc1, QStringLiteral("Adress"));
    bind(Text2, Adodc2, QStringLiteral("Code"));
    bind(Text3, Adodc3, QStringLiteral("Code"));
    bind(Text6, Adodc3, QStringLiteral("Code"));
    bind(Text7, Adodc4, QStringLiteral("Code"));
    DataCombo1->setListField(Adodc2, QStringLiteral("LName"));
    DataCombo6->setListField(Adodc2, QStringLiteral("FName"));
}

void FrmCode::Form_Load() {
    twips::moveWindow(this, 2340, 765);
    ApplyTheme(this, *Skin1, Text1->text());
    showInGrid();
    Adodc2->Update();
    Adodc2->Refresh();
}

void FrmCode::Form_Unload() { showMainWindow(); }

void FrmCode::showInGrid() {
    if (DataGrid1Rows->view() != Adodc2) DataGrid1Rows->setView(Adodc2);
}

void FrmCode::narrowLookup(const QString& field, const QString& value) {
    Adodc2->Filter(filterText(field, value));
    showInGrid();
}

void FrmCode::DataCombo6_Click() { DataCombo6_Change(); }

void FrmCode::DataCombo6_Change() {
    narrowLookup(QStringLiteral("FName"), DataCombo6->currentText());
    DataCombo1->clearQuietly();
    clearQuietly(Combo3);
}

void FrmCode::DataCombo1_Click() { DataCombo1_Change(); }

void FrmCode::DataCombo1_Change() {
    DataCombo6->clearQuietly();
    clearQuietly(Combo3);
    narrowLookup(QStringLiteral("LName"), DataCombo1->currentText());
}

void FrmCode::Combo3_Click() { Combo3_Change(); }

void FrmCode::Combo3_Change() {
    DataCombo1->clearQuietly();
    DataCombo6->clearQuietly();
    narrowLookup(QStringLiteral("Group"), Combo3->currentText());
}

void FrmCode::Command2_Click() {
    const QString code = Text5->text();
    if (code.isEmpty()) {
        ShowTimedMessage(this, texts::kNoCode);
        return;
    }
    try {
        Adodc3->Filter(filterText(QStringLiteral("Code"), code));
        if (Adodc3->RecordCount() == 0) {
            ShowTimedMessage(this, texts::kNotFound);
            Adodc3->Refresh();
            return;
        }
        Adodc3->Filter(filterText(QStringLiteral("Code"), code));
        // The answer sheet carries the code without surrounding blanks; the
        // examinee's own row keeps it as typed at registration.
        Adodc4->Filter(filterText(QStringLiteral("Code"), code.trimmed()));
        if (platform::modal().messageBox(this, texts::kQuestion, QString(), platform::style::kYesNo) !=
            platform::answer::kYes) {
            Adodc2->Refresh();
            Adodc3->Refresh();
            return;
        }
        // Both rows go together or neither does. An answer sheet already
        // missing does not keep the examinee's row in the file; the operator
        // is told of it once the row is gone.
        const bool sheetMissing = Adodc4->RecordCount() == 0;
        {
            Transaction both(Adodc3->store());
            Adodc3->Delete();
            if (!sheetMissing) Adodc4->Delete();
            both.commit();
        }
        if (sheetMissing) throw DataError(DataError::Kind::NoCurrentRow, texts::kSheetMissing);
        ShowTimedMessage(this, texts::kDeleted);
        Text5->clear();
        Text5->setFocus();
        Adodc4->Update();
        Adodc4->Refresh();
        Adodc3->Update();
        Adodc3->Refresh();
        Adodc2->Update();
        Adodc2->Refresh();
        showInGrid();
    } catch (const DataError& e) {
        // Any other failure is told by the handler boundary, in Persian.
        MessageBox(this, e.description(), texts::kErrorTitle,
                   platform::style::kIconExclamation | platform::style::kRightToLeftReading);
    }
}

void FrmCode::Command1_Click() {
    const QString group = Combo3->currentText();
    if (group.isEmpty()) {
        ShowTimedMessage(this, texts::kNoGroup);
        return;
    }
    // The list shows exactly the chosen group, also when a deletion or a No
    // to its question has dropped the narrowing since the group was chosen.
    narrowLookup(QStringLiteral("Group"), group);
    DataRPrint& report = dataRPrint();
    report.setRowSource(*Adodc2);
    report.setLabelText(QStringLiteral("Section5"), QStringLiteral("Label14"), Text4->text());
    report.setLabelText(QStringLiteral("Section4"), QStringLiteral("Label9"), Text8->text());
    report.Show();
    Adodc3->Refresh();
}

void FrmCode::Command6_Click() { close(); }

} // namespace pentarix
