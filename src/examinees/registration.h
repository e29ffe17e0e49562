#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

namespace pentarix {

class DataError;
class RecordView;

// The boxes of the registration panel. The main window lays them out and
// binds them to the current row of the examinees' view, so what is typed is
// the row that is saved; each list's choice reaches its field through the
// hidden box beside it.
struct RegistrationEntries {
    QLineEdit* code;
    QLineEdit* firstName;
    QLineEdit* lastName;
    QLineEdit* age;
    QLineEdit* date;
    QLineEdit* time;
    QLineEdit* education;
    QComboBox* maritalStatusList;
    QLineEdit* maritalStatus;
    QComboBox* genderList;
    QLineEdit* gender;
    QComboBox* groupList;
    QLineEdit* group;
};

// Registering an examinee: a new row of examinees and, with it, the
// examinee's empty answer sheet.
class Registration {
public:
    Registration(QWidget* owner, const RegistrationEntries& entries, RecordView& examinees, RecordView& answers);

    // Starts a new examinee's row, stamped with the time and date it began.
    void begin();
    // The age box takes digits, Backspace and Enter; any other key is
    // refused (KeyAscii becomes 0) with a beep and a word why.
    void filterAgeKey(int& KeyAscii);
    // Saves the examinee and the answer sheet together, or neither. Says
    // what stops it (an empty entry, a taken code, a refusing file) and keeps
    // what was typed; true once both rows are stored.
    bool save();
    // Drops the row being typed.
    void cancel();

private:
    bool anEntryIsMissing();
    void reportFailure(const DataError& failure);

    QWidget* owner_;
    RegistrationEntries entries_;
    RecordView& examinees_;
    RecordView& answers_;
};

} // namespace pentarix
