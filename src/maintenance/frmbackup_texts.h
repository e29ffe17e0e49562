#pragma once

#include <QString>
#include <QStringList>

// The backup window's own texts, as the operator reads them.
namespace pentarix::frmbackup_texts {

inline const QString kCaption = QStringLiteral("Back up ...  Reastor");
inline const QString kB1Caption = QStringLiteral("---");
inline const QString kVisualButtonEx2Caption = QStringLiteral("BACKUP");
inline const QString kB2Caption = QStringLiteral("---");
inline const QString kVisualButtonEx3Caption = QStringLiteral("REASTOR");
inline const QString kCommand1Caption = QStringLiteral("خروج");
inline const QString kCommand3Caption = QStringLiteral("راهنما");
inline const QString kCommand2Caption = QStringLiteral("خروج");

// The folder the dialogs start in, under the application folder.
inline const QString kBackFolder = QStringLiteral("Back");
// The dialog offers one kind of file: a description and its pattern.
inline const QString kFilterDescription = QStringLiteral("Database Backup ");
inline const QString kFilterPattern = QStringLiteral("*.mdbB");

// The proposed backup name: prefix, date, middle, clock, suffix, extension.
inline const QString kNamePrefix = QStringLiteral("در تاريخ");
inline const QString kNameMiddle = QStringLiteral(" ساعت)");
inline const QString kNameClose = QStringLiteral(")");
inline const QString kNameExtension = QStringLiteral(".mdbB");

// Messages.
inline const QString kBackupPathMissing = QStringLiteral("لطفا مسير تهيه نسخه پشتيبان را وارد کنيد");
inline const QString kErrorTitle = QStringLiteral("خطا");
inline const QString kReplaceQuestion = QStringLiteral("فايل پشتيباني با اين نام قبلا ايجاد شده آيا ميخواهيد اين فايل را جايگزين کنيد؟");
inline const QString kReplaceRefused = QStringLiteral("عدم موفقيت در تهيه نسخه پشتيبان");
inline const QString kBackupDone = QStringLiteral("نسخه پشتيبان تهيه گرديد");
inline const QString kRestorePathMissing = QStringLiteral("لطفا مسير فايل مربوطه را وارد کنيد");
inline const QString kRestoreQuestion = QStringLiteral("آيا ميخواهيد اطلاعات را بازيابي کنيد؟");
inline const QString kRestoreRefused = QStringLiteral("عدم موفقيت در بازيابي اطلاعات ");
inline const QString kRestoreDone = QStringLiteral("بازيابي اطلاعات انجام شد");
inline const QString kCopyFailed = QStringLiteral("اشکال در ايجاد نسخه پشتيباني");
inline const QString kFailureTitle = QStringLiteral("Error");
inline const QString kRestoreFailureAdvice = QStringLiteral("تمامي فرم ها را ببندبد به جز فرم اصلي و اين پنجره");

// The help panel, line by line; each line ends with a line break.
inline const QStringList kHelpLines = {
    QStringLiteral("اين قسمت از برنامه جهت پشتيبان گيري و "),
    QStringLiteral("برگرداندن "),
    QStringLiteral("برنامه به حالت قبلي باستفاده از فايل پشتيبان "),
    QStringLiteral("روش کار به اين صورت مي باشد که ابتدا بايد "),
    QStringLiteral("روي "),
    QStringLiteral("دکمه کنار بکاپ کليک کرده دريچه اي باز مي شود "),
    QStringLiteral("بعد محلي که بکاپ را مي خواهيم ذخيره نماييم "),
    QStringLiteral("مشخص مي کنيم و روي دکمه ذخيره کليک مي "),
    QStringLiteral("کنيم دريچه بسته ميشود بعد رويدکمه بکاپ "),
    QStringLiteral("کليک مي کنيم تا پيغام نسخه پشتيبان تهيه "),
    QStringLiteral("گرديد نمايان گردد "),
    QStringLiteral("سعي کنيد هر ازگاهي از برنامه خود بکاپ "),
    QStringLiteral("گيري "),
    QStringLiteral("کرده تا در صورتي که برنامه دچار مشکل کردد و "),
    QStringLiteral("يا "),
    QStringLiteral("نياز به تعويض ويندوز داشتيد پس از نصب "),
    QStringLiteral("مجدد "),
    QStringLiteral("برنامه بتوانيد اطلاعات خود را به حالت قبل "),
    QStringLiteral("برگردانيد "),
    QStringLiteral("توجه: در صورتيکه نياز به تعويض ويندوز "),
    QStringLiteral("داريد فايل پشتيبان از برنامه خود تهيه نموده و "),
    QStringLiteral("آنرا "),
    QStringLiteral("در محلي غير از درايوي که ويندوز را در آن "),
    QStringLiteral("نصب "),
    QStringLiteral("مي کنيد ذخيره نماييد و پس از نصب ويندوز "),
    QStringLiteral("آنرا "),
    QStringLiteral("بازيابي نماييد"),
    QStringLiteral("روش بازيابي کردن اطلاعات"),
    QStringLiteral("ابتدا روي دکمه کنار رستور کليک کرده دريچه "),
    QStringLiteral("اي "),
    QStringLiteral("باز مي شود آخرين فايل پشتيباني را که ذخيره "),
    QStringLiteral("نموده ايد انتخاب کرده روي اوپن کليک کرده "),
    QStringLiteral("سپس "),
    QStringLiteral("روي دکمه رستور کليک نماييد دريچه اي باز "),
    QStringLiteral("مي "),
    QStringLiteral("شود که آيا ميخواهيد اطلاعات را بازيابي کنيد "),
    QStringLiteral("روي بله کليک کنيد تا پيغام بازيابي "),
    QStringLiteral("اطلاعات "),
    QStringLiteral("انجام شد نمايان گردد"),
    QStringLiteral("موفق و پيروز باشيد"),
};

} // namespace pentarix::frmbackup_texts
