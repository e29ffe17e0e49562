#pragma once

#include "platform/form.h"

class QCheckBox;
class QCursor;
class QLabel;
class QTimer;

namespace pentarix {

// The exit dialog: confirms leaving the program and offers a backup on the
// way out. Its two buttons are pictures that light up under the mouse; its
// title alternates between two texts.
class exitpro final : public Form {
    Q_OBJECT
public:
    exitpro();
    ~exitpro() override;

    // --- Controls, with their designer names.
    QLabel* Label1;    // the question
    QCheckBox* Check1; // ticked: back up before leaving
    QLabel* k1;        // confirm, plain
    QLabel* k2;        // confirm, highlighted; a click confirms
    QLabel* C1;        // cancel, plain
    QLabel* C2;        // cancel, highlighted; a click cancels
    QTimer* Timer2;
    QTimer* Timer3;
    QTimer* tmCaptionAnimate;

    // --- Handlers, in the order of the window's controls.
    void Form_Load() override;
    void Form_MouseMove();
    void k1_MouseMove();
    void C1_MouseMove();
    void k2_Click();
    void C2_Click();
    void Timer2_Timer();
    void Timer3_Timer();
    void tmCaptionAnimate_Timer();

    // The pointer over the four pictures.
    static QCursor pictureCursor();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void wire();
};

} // namespace pentarix
