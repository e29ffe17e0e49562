#include "testing/test_run.h"

#include "common/messages.h"
#include "data/data_error.h"
#include "data/value_text.h"
#include "platform/modal.h"
#include "platform/skin_engine.h"
#include "testing/frm_test.h"
#include "testing/frm_test_texts.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace pentarix {

namespace texts = frm_test_texts;

namespace {

// The window is reloaded, hidden, by the first of these accesses: every later
// examinee meets this start screen, with the identification panel showing.
void prepareNextRun() {
    form<FrmTest>().SkinLabel4->show();
    form<FrmTest>().Command1->show();
    form<FrmTest>().Command2->show();
    form<FrmTest>().CmdBack->hide();
    form<FrmTest>().SkinLabel3->hide();
    form<FrmTest>().CmdNext->hide();
    form<FrmTest>().Frame1->show();
    form<FrmTest>().SkinLbl5->show();
    form<FrmTest>().Text6->setText(QStringLiteral("0"));
}

} // namespace

void runTest(QWidget* owner) {
    try {
        // The first use of the window loads it here, before the code is asked.
        form<FrmTest>().Adodc2->Refresh();
        form<FrmTest>().Adodc3->Refresh();

        // The code as typed: a leading blank does not match a stored code.
        const QString code = platform::modal().inputBox(owner, texts::kCodeBoxPrompt, texts::kCodeBoxTitle, QString());
        if (code.isEmpty()) {
            ShowTimedMessage(owner, texts::kCodeMissing);
            return;
        }
        // The view takes the value up to the final apostrophe, so codes
        // with apostrophes are found as well.
        const QString filter = codeFilter(code);
        form<FrmTest>().Adodc2->Filter(filter);
        if (form<FrmTest>().Adodc2->BOF()) {
            ShowTimedMessage(owner, texts::kCodeNotFound);
            return;
        }
        form<FrmTest>().Adodc3->Filter(filter);
        form<FrmTest>().showModal();
        prepareNextRun();
    } catch (const DataError& e) {
        MessageBox(owner, texts::kOpenFailed + QLatin1Char('\n') + e.description(), texts::kErrorTitle,
                   platform::style::kIconExclamation | platform::style::kRightToLeftReading);
    }
}

} // namespace pentarix
