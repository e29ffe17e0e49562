#pragma once

#include <QString>

// How the program names itself and where its makers are found: the about
// window's credits and the main window's web link read them from here.
namespace pentarix::contact {

// The full name: a Persian title naming the 50-item five-factor scale.
inline const QString kFullName = QStringLiteral("پنتاریکس، آزمون 50 سؤالی پنج عامل شخصیت");
inline const QString kTeam = QStringLiteral("تیم پنتاریکس");
inline const QString kTelephone = QStringLiteral("021-00000000");
inline const QString kEmail = QStringLiteral("info@pentarix-soft.example");
// The main site first, then the site with the scale's background.
inline const QString kMainSite = QStringLiteral("https://www.pentarix-soft.example/");
inline const QString kSecondSite = QStringLiteral("https://learn.pentarix-soft.example/");
inline const QString kMainSiteShown = QStringLiteral("www.pentarix-soft.example");
inline const QString kSecondSiteLabel = QStringLiteral("آموزش:");
inline const QString kSecondSiteShown = QStringLiteral("learn.pentarix-soft.example");

} // namespace pentarix::contact
