#pragma once

#include "platform/form.h"

#include <QPixmap>
#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace pentarix {

// The about window: credits drifting upwards over a star field, one line
// flashing through colours, and a credit sentence that assembles itself.
// It carries no skin.
class About final : public Form {
    Q_OBJECT
public:
    About();
    ~About() override;

    // --- Controls, with their designer names.
    QPushButton* Command1; // exit
    QLabel* Label1;        // the four credit lines, top to bottom at the start
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* Text1;      // the credit sentence
    QTimer* Timer1;        // colour steps, 700 ms
    QTimer* Timer2;        // caption slide, 55 ms
    QTimer* Timer3;        // credit sentence assembly
    QTimer* Timer10;       // credit scroller, 55 ms

    // --- Handlers.
    void Form_Load() override;
    void Form_Unload() override;
    void Command1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer10_Timer();

    // The credit lines of slots 1 to 9, in scroller order.
    static QStringList creditLines();
    // The credit sentence as stored: its words joined by full stops, with
    // runs of blanks spread between its characters.
    static QString creditSentence();

    int colourCounter() const noexcept { return colour_; }
    int slotCounter() const noexcept { return slot_; }
    const QString& slideDirection() const noexcept { return direction_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void wire();
    // Shows a credit line; the label keeps its right edge and grows
    // leftwards to the width of its line.
    void setCredit(QLabel* label, const QString& line);

    QPixmap background_;
    QStringList lines_;
    std::array<int, 4> rightEdge_{}; // in pixels, Label1 to Label4
    int colour_ = 0;
    QString direction_;
    QString find_;
    QString replace_;
    int slot_ = 0;
};

} // namespace pentarix
