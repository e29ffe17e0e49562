#pragma once

#include "platform/form.h"
#include "platform/modal.h"

class QCloseEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace pentarix {

class SkinEngine;

// The one file dialog of the backup window, shared by its two "---" buttons:
// it keeps the file name it last held from one use to the next.
class CommonFileDialog {
public:
    QString FileName;
    QString InitDir;
    QString Filter; // the platform's form: "Description (*.pattern)"

    // Show the dialog and wait; afterwards FileName holds the chosen file or,
    // after Cancel, the file the dialog was showing.
    void ShowSave(QWidget* owner);
    void ShowOpen(QWidget* owner);

private:
    platform::FileDialogRequest request() const;
    void take(const QString& chosen, const platform::FileDialogRequest& shown);
};

// The backup window: copies the database file out to a backup file the
// operator names, and a backup file the operator picks back over it. It is the
// last window of a run and ends the application when it closes.
class Frmbackup final : public Form {
    Q_OBJECT
public:
    Frmbackup();
    ~Frmbackup() override;

    // --- Controls, with their designer names.
    QLineEdit* Text1;             // the backup file to write
    QPushButton* b1;              // save dialog for Text1
    QPushButton* VisualButtonEx2; // BACKUP
    QLineEdit* Text2;             // the backup file to restore from
    QPushButton* b2;              // open dialog for Text2
    QPushButton* VisualButtonEx3; // REASTOR
    QPushButton* Command1;        // exit
    QPushButton* Command3;        // help
    QFrame* Frame1;               // the help panel
    QPlainTextEdit* Text4;        // the help text
    QPushButton* Command2;        // hides the help panel
    QLabel* Label1;               // the date the window opened
    QLabel* Label2;               // the clock
    QLabel* Label3;               // the date part of the proposed name
    QTimer* Timer1;
    CommonFileDialog CommonDialog1;
    QLineEdit* Text3; // theme number
    SkinEngine* Skin1;

    // --- Views.
    RecordView* Adodc1; // Theme

    // --- Handlers, in the order of the window's controls.
    void Form_Load() override;
    void Form_Unload() override;
    void Timer1_Timer();
    void b1_Click();
    void b2_Click();
    void VisualButtonEx2_Click();
    void VisualButtonEx3_Click();
    void Command3_Click();
    void Command2_Click();
    void Command1_Click();

    // The name b1 proposes: the date the window opened and the clock now.
    QString proposedBackupName() const;
    // The file both operations work on.
    static QString databaseFile();
    // True while a copy runs.
    bool copying() const noexcept { return copying_; }

protected:
    // The window stays while a copy runs: the copy finishes first.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void wire();
    // Runs a copy with the buttons that start another one disabled and the
    // database held still; 1 when it finished, 0 after its failure message.
    int copyWhileQuiet(const QString& source, const QString& target);
    void showCopyFailure(const QString& description);

    bool copying_ = false;
};

// The clock text of a moment: the hour without a leading zero, a full stop,
// two digits of minutes ("9.05", "14.30").
QString backupClockText(const QDateTime& moment);

} // namespace pentarix
