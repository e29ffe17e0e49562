#pragma once

#include "platform/form.h"

#include <array>

class QLabel;
class QLineEdit;

namespace pentarix {

class SkinEngine;

// Confirms a theme change: stands in for the main window while it is gone
// and brings it back, loaded afresh in the new theme.
class Frmskin final : public Form {
    Q_OBJECT
public:
    Frmskin();
    ~Frmskin() override;

    // --- Controls, with their designer names.
    std::array<QLabel*, 2> Label3{}; // 0 the message, 1 the heading
    QLabel* k1;                      // the confirm picture, normal look
    QLabel* k2;                      // the same, highlighted; clicking it confirms
    QLineEdit* Text1;                // theme number
    SkinEngine* Skin1;

    RecordView* Adodc1; // Theme

    // --- Handlers.
    void Form_Load() override;
    void Form_MouseMove();
    void k1_MouseMove();
    void k2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void wire();
};

} // namespace pentarix
