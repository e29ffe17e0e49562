#include "maintenance/frmbackup.h"

#include "common/module7.h"
#include "common/theme.h"
#include "data/data_store.h"
#include "maintenance/backup.h"
#include "maintenance/frmbackup_texts.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/data_binding.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>

#include <exception>

namespace pentarix {

namespace texts = frmbackup_texts;
namespace style = platform::style;

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QFont& font, int left,
                    int top, int width, int height) {
    auto* b = controls::make<QPushButton>(parent, name);
    b->setText(caption);
    b->setFont(font);
    twips::place(b, left, top, width, height);
    return b;
}

QLineEdit* pathBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* box = controls::make<QLineEdit>(parent, name);
    box->setFont(fonts::arial(10, false));
    // Paths read left to right, whatever the window's direction.
    box->setLayoutDirection(Qt::LeftToRight);
    controls::align(box, Qt::AlignLeft | Qt::AlignVCenter);
    twips::place(box, left, top, width, height);
    return box;
}

QLabel* label(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* l = controls::make<QLabel>(parent, name);
    l->setFont(fonts::nazanin(12));
    l->setAlignment(Qt::AlignCenter);
    twips::place(l, left, top, width, height);
    return l;
}

// The dialog's one entry, a description and its pattern, in the platform's form.
QString backupFilter() {
    return texts::kFilterDescription + QLatin1Char('(') + texts::kFilterPattern + QLatin1Char(')');
}

QString helpText() { return texts::kHelpLines.join(QLatin1Char('\n')) + QLatin1Char('\n'); }

int message(QWidget* owner, const QString& text, const QString& title, int boxStyle) {
    return platform::modal().messageBox(owner, text, title, boxStyle);
}

QString describe(const std::exception& e) { return QString::fromLocal8Bit(e.what()); }

} // namespace

// --- The shared file dialog.

platform::FileDialogRequest CommonFileDialog::request() const {
    platform::FileDialogRequest shown;
    shown.filter = Filter;
    const QFileInfo held(FileName);
    // A full path held from an earlier use opens the dialog in its own folder.
    if (!FileName.isEmpty() && held.isAbsolute()) {
        shown.directory = held.absolutePath();
        shown.fileName = held.fileName();
    } else {
        shown.directory = InitDir;
        shown.fileName = FileName;
    }
    return shown;
}

void CommonFileDialog::take(const QString& chosen, const platform::FileDialogRequest& shown) {
    if (!chosen.isEmpty()) {
        FileName = chosen;
    } else if (!shown.fileName.isEmpty()) {
        // Cancel: the dialog still holds the file it was showing.
        FileName = QDir(shown.directory).filePath(shown.fileName);
    }
}

void CommonFileDialog::ShowSave(QWidget* owner) {
    const platform::FileDialogRequest shown = request();
    take(platform::modal().saveFileName(owner, shown), shown);
}

void CommonFileDialog::ShowOpen(QWidget* owner) {
    const platform::FileDialogRequest shown = request();
    take(platform::modal().openFileName(owner, shown), shown);
}

// --- The window.

QString backupClockText(const QDateTime& moment) {
    const QTime time = moment.time();
    return QStringLiteral("%1.%2").arg(time.hour()).arg(time.minute(), 2, 10, QLatin1Char('0'));
}

Frmbackup::Frmbackup() {
    setObjectName(QStringLiteral("Frmbackup"));
    Adodc1 = openView(QStringLiteral("Theme"));
    buildControls();
    wire();
    bind(Text3, Adodc1, QStringLiteral("TH"));
}

Frmbackup::~Frmbackup() = default;

void Frmbackup::buildControls() {
    setWindowTitle(texts::kCaption);
    twips::setClientSize(this, 8130, 3000);
    const QFont latin = fonts::arial(10, true);
    const QFont persian = fonts::nazanin(12);

    Text1 = pathBox(this, "Text1", 360, 480, 4815, 375);
    b1 = button(this, "b1", texts::kB1Caption, latin, 5280, 480, 495, 495);
    VisualButtonEx2 = button(this, "VisualButtonEx2", texts::kVisualButtonEx2Caption, latin, 5880, 360, 1215, 735);
    Text2 = pathBox(this, "Text2", 360, 1680, 4815, 375);
    b2 = button(this, "b2", texts::kB2Caption, latin, 5280, 1680, 495, 495);
    VisualButtonEx3 = button(this, "VisualButtonEx3", texts::kVisualButtonEx3Caption, latin, 5895, 1560, 1215, 735);
    Command1 = button(this, "Command1", texts::kCommand1Caption, persian, 2460, 2220, 1455, 435);
    Command3 = button(this, "Command3", texts::kCommand3Caption, persian, 5880, 2460, 855, 495);

    Label1 = label(this, "Label1", 2760, 60, 1575, 375);
    Label2 = label(this, "Label2", 1620, 60, 975, 375);
    Label3 = label(this, "Label3", 2040, 1140, 1575, 375);

    // The help panel is drawn over the two rows, so it is made after them.
    Frame1 = controls::make<QFrame>(this, "Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setProperty("skinPanel", true);
    Frame1->setAutoFillBackground(true);
    twips::place(Frame1, 240, 0, 5535, 2835);
    Text4 = controls::make<QPlainTextEdit>(Frame1, "Text4");
    Text4->setFont(fonts::nazanin(11, false));
    Text4->setReadOnly(true);
    Text4->setPlainText(helpText());
    QTextOption option = Text4->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    Text4->document()->setDefaultTextOption(option);
    twips::place(Text4, 120, 180, 5295, 2235);
    Command2 = button(Frame1, "Command2", texts::kCommand2Caption, persian, 1620, 2460, 975, 315);
    Frame1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    Text3 = controls::hiddenBox(this, "Text3");
    Skin1 = new SkinEngine(this);
}

void Frmbackup::wire() {
    connectHandler(b1, &QPushButton::clicked, this, &Frmbackup::b1_Click);
    connectHandler(VisualButtonEx2, &QPushButton::clicked, this, &Frmbackup::VisualButtonEx2_Click);
    connectHandler(b2, &QPushButton::clicked, this, &Frmbackup::b2_Click);
    connectHandler(VisualButtonEx3, &QPushButton::clicked, this, &Frmbackup::VisualButtonEx3_Click);
    connectHandler(Command1, &QPushButton::clicked, this, &Frmbackup::Command1_Click);
    connectHandler(Command3, &QPushButton::clicked, this, &Frmbackup::Command3_Click);
    connectHandler(Command2, &QPushButton::clicked, this, &Frmbackup::Command2_Click);
    connectHandler(Timer1, &QTimer::timeout, this, &Frmbackup::Timer1_Timer);
}

QString Frmbackup::databaseFile() { return DataStore::defaultPath(); }

QString Frmbackup::proposedBackupName() const {
    return texts::kNamePrefix + Label3->text() + texts::kNameMiddle + Label2->text() + texts::kNameClose +
           texts::kNameExtension;
}

void Frmbackup::Form_Load() {
    twips::moveWindow(this, 2340, 765);
    ApplyTheme(this, *Skin1, Text3->text());
    const QDateTime now = platform::now();
    Label2->setText(backupClockText(now));
    Label1->setText(SolarHijriDate(now, 4));
    Label3->setText(Label1->text());
    Timer1->start();
}

void Frmbackup::Form_Unload() { platform::modal().endApplication(0); }

void Frmbackup::closeEvent(QCloseEvent* event) {
    if (copying_) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

void Frmbackup::Timer1_Timer() { Label2->setText(backupClockText(platform::now())); }

void Frmbackup::b1_Click() {
    try {
        CommonDialog1.FileName = proposedBackupName();
        const QDir application = QDir::current();
        // The proposed folder is made on first use, so the dialog opens in it.
        application.mkpath(texts::kBackFolder);
        CommonDialog1.InitDir = application.filePath(texts::kBackFolder);
        CommonDialog1.Filter = backupFilter();
        CommonDialog1.ShowSave(this);
        if (!CommonDialog1.FileName.isEmpty()) Text1->setText(CommonDialog1.FileName);
    } catch (const std::exception& e) {
        message(this, describe(e), texts::kFailureTitle, style::kIconExclamation | style::kRightToLeftReading);
    }
}

void Frmbackup::b2_Click() {
    try {
        CommonDialog1.InitDir = QDir::current().filePath(texts::kBackFolder);
        CommonDialog1.Filter = backupFilter();
        CommonDialog1.ShowOpen(this);
        if (!CommonDialog1.FileName.isEmpty()) Text2->setText(CommonDialog1.FileName);
    } catch (const std::exception& e) {
        message(this, describe(e), texts::kFailureTitle, style::kIconExclamation | style::kRightToLeftReading);
    }
}

void Frmbackup::VisualButtonEx2_Click() {
    if (copying_) return;
    try {
        const QString target = Text1->text();
        if (target.isEmpty()) {
            message(this, texts::kBackupPathMissing, texts::kErrorTitle,
                    style::kIconExclamation | style::kRightToLeftReading);
            return;
        }
        if (QFileInfo::exists(target) &&
            message(this, texts::kReplaceQuestion, QString(), style::kYesNo) != platform::answer::kYes) {
            message(this, texts::kReplaceRefused, QString(), style::kIconInformation | style::kRightToLeftReading);
            return;
        }
        if (copyWhileQuiet(databaseFile(), target) != 1) return;
        message(this, texts::kBackupDone, QString(), style::kOk);
        platform::modal().endApplication(0);
        return;
    } catch (const std::exception& e) {
        message(this, describe(e), texts::kFailureTitle, style::kOk);
    }
}

void Frmbackup::VisualButtonEx3_Click() {
    if (copying_) return;
    try {
        const QString source = Text2->text();
        if (source.isEmpty()) {
            message(this, texts::kRestorePathMissing, texts::kErrorTitle,
                    style::kIconExclamation | style::kRightToLeftReading);
            return;
        }
        if (message(this, texts::kRestoreQuestion, QString(), style::kYesNo) != platform::answer::kYes) {
            message(this, texts::kRestoreRefused, QString(), style::kOk);
            return;
        }
        // Copying anything but a sound backup of this system over the
        // database would destroy the operator's data.
        if (const auto problem = restoreSourceProblem(source)) {
            showCopyFailure(*problem);
            return;
        }
        if (copyWhileQuiet(source, databaseFile()) != 1) return;
        message(this, texts::kRestoreDone, QString(), style::kOk);
        // The restored data is read at the next start.
        platform::modal().endApplication(0);
        return;
    } catch (const std::exception& e) {
        message(this, describe(e) + texts::kRestoreFailureAdvice, texts::kErrorTitle,
                style::kIconExclamation | style::kRightToLeftReading);
    }
}

void Frmbackup::Command3_Click() { Frame1->show(); }

void Frmbackup::Command2_Click() { Frame1->hide(); }

void Frmbackup::Command1_Click() { close(); }

int Frmbackup::copyWhileQuiet(const QString& source, const QString& target) {
    const DatabaseQuiet quiet(databaseFile());
    if (quiet.problem()) {
        showCopyFailure(*quiet.problem());
        return 0;
    }
    QPushButton* const starters[] = {b1, VisualButtonEx2, b2, VisualButtonEx3, Command1};
    copying_ = true;
    for (QPushButton* starter : starters) starter->setEnabled(false);
    const auto restore = qScopeGuard([&] {
        copying_ = false;
        for (QPushButton* starter : starters) starter->setEnabled(true);
    });
    return CopyFileInChunks(source, target, this);
}

void Frmbackup::showCopyFailure(const QString& description) {
    message(this, copyFailureText(description), QString(), style::kIconCritical | style::kRightToLeftReading);
}

} // namespace pentarix
