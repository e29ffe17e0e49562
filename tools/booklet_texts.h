#pragma once

#include <QString>
#include <QStringList>

// The booklet's texts. The five answers are those of the test window.
namespace booklet_texts {

inline const QStringList kAnswers = {QStringLiteral("عمدتاً نادرست       "), QStringLiteral("تا حدودي نادرست"), QStringLiteral("نه درست و نه نادرست "), QStringLiteral("تا حدودي درست"), QStringLiteral("عمدتاً درست")};

inline const QString kTitle = QStringLiteral("دفترچهٔ سؤال‌های آزمون 50 سؤالی پنج عامل بزرگ شخصیت");
inline const QString kSubtitle = QStringLiteral("گویه‌ها از مخزن بین‌المللی گویه‌های شخصیت (IPIP)");
inline const QString kInstructions = QStringLiteral("هر جمله را بخوانید و بسنجید که تا چه اندازه دربارهٔ شما درست است: خودتان را همان‌گونه که اکنون هستید توصیف کنید، نه آن‌گونه که دوست دارید در آینده باشید. برای هر جمله تنها یکی از پنج پاسخ را برگزینید. پاسخ درست یا نادرست وجود ندارد.");
inline const QString kNumberHeading = QStringLiteral("شماره");
inline const QString kItemHeading = QStringLiteral("جمله");
inline const QString kPage = QStringLiteral("صفحهٔ %1 از %2");

} // namespace booklet_texts
