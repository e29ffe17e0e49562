#pragma once

#include <QFont>

class QWidget;

// Persian fonts standing in for the ones the windows were designed with.
namespace pentarix::fonts {

QFont nazanin(double points = 12, bool bold = true); // "B Nazanin": Nazli
QFont titr(double points, bool bold = true);         // "B Titr": Titr
QFont mitra(double points, bool bold = true);        // "B Mitra": FreeFarsi
QFont arial(double points, bool bold = true);        // "Arial": a Latin sans face with Persian fallback

// Message boxes, input boxes and the standard file dialogs: the windows' own
// face at their size, beside which the application's small plain face is hard
// to read. Lists in dialogs take the plain cut of it.
QFont boxes();
QFont dialogs();
// Gives a dialog and each control it holds the font: under a skin's style
// sheet the controls would keep the application's font instead of
// inheriting the dialog's.
void setDialogFont(QWidget& dialog, const QFont& font);

// Fills the font database on a worker thread while the program opens its
// database and builds its first window; the first text a window measures
// then waits for no font scan. finishWarmup() joins the worker; it runs at
// the latest when the application is about to quit.
void startWarmup();
void finishWarmup();

} // namespace pentarix::fonts
