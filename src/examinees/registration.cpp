#include "examinees/registration.h"

#include "common/messages.h"
#include "common/module7.h"
#include "data/data_error.h"
#include "data/data_store.h"
#include "data/record_view.h"
#include "examinees/registration_texts.h"
#include "platform/clock.h"
#include "platform/modal.h"

#include <QComboBox>
#include <QLineEdit>

namespace pentarix {

namespace texts = registration_texts;

Registration::Registration(QWidget* owner, const RegistrationEntries& entries, RecordView& examinees,
                           RecordView& answers)
    : owner_(owner), entries_(entries), examinees_(examinees), answers_(answers) {}

void Registration::begin() {
    examinees_.AddNew();
    const QDateTime opened = platform::now();
    entries_.time->setText(opened.time().toString(QStringLiteral("HH:mm:ss")));
    entries_.date->setText(SolarHijriDate(opened, 0));
    entries_.code->setFocus();
}

void Registration::filterAgeKey(int& KeyAscii) {
    if (KeyAscii == 8 || KeyAscii == 13 || (KeyAscii >= '0' && KeyAscii <= '9')) return;
    platform::modal().beep();
    KeyAscii = 0;
    ShowTimedMessage(owner_, texts::kDigitsOnly);
}

// The first empty entry stops the save; blanks count as content.
bool Registration::anEntryIsMissing() {
    const RegistrationEntries& e = entries_;
    const struct {
        QLineEdit* box;
        const QString& message;
        QWidget* focus;
    } required[] = {
        {e.code, texts::kMissingText11, e.code},
        {e.firstName, texts::kMissingText6, e.firstName},
        {e.lastName, texts::kMissingText4, e.lastName},
        {e.gender, texts::kMissingText16, e.genderList},
        {e.age, texts::kMissingText5, e.age},
        {e.maritalStatus, texts::kMissingText15, e.maritalStatusList},
        {e.group, texts::kMissingText17, e.groupList},
        {e.education, texts::kMissingText7, e.education},
    };
    for (const auto& entry : required) {
        if (entry.box->text().isEmpty()) {
            ShowTimedMessage(owner_, entry.message);
            entry.focus->setFocus();
            return true;
        }
    }
    return false;
}

bool Registration::save() {
    if (anEntryIsMissing()) return false;
    const QString code = entries_.code->text();
    const QString answerCode = code.trimmed();
    try {
        answers_.Refresh();
        if (answers_.storeContains(QStringLiteral("Code"), answerCode) ||
            examinees_.storeContains(QStringLiteral("Code"), code)) {
            throw DataError(DataError::Kind::DuplicateCode, texts::kCodeTaken);
        }
        // The answer sheet and the examinee's row reach the file together or
        // not at all, whatever stops the save half-way.
        Transaction both(examinees_.store());
        answers_.AddNew();
        answers_.setField(QStringLiteral("Code"), answerCode);
        answers_.Save();
        examinees_.Save();
        examinees_.Update();
        answers_.Update();
        both.commit();
    } catch (const DataError& e) {
        reportFailure(e);
        return false;
    }
    examinees_.Refresh();
    answers_.Refresh();
    return true;
}

// A code that is really taken gets the registration's own words; any other
// failure says what it was, and the panel keeps what was typed.
void Registration::reportFailure(const DataError& failure) {
    try {
        answers_.Refresh();
    } catch (const DataError&) {
        // The failure below is the one the operator needs to read.
    }
    if (failure.kind() == DataError::Kind::DuplicateCode) {
        ShowTimedMessage(owner_, texts::kCodeTaken);
        return;
    }
    MessageBox(owner_, texts::kNotRegistered + QLatin1Char('\n') + failure.description(), QString(),
               platform::style::kIconExclamation | platform::style::kRightToLeftReading);
}

void Registration::cancel() { examinees_.Refresh(); }

} // namespace pentarix
