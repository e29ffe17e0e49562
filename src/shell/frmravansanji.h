#pragma once

#include "platform/form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SkinLabel;

namespace pentarix {

class SkinEngine;

// The questionnaire introduction: the scale's titles and a picture with the
// factor key, the reverse-scored items and a short psychometric note.
class Frmravansanji final : public Form {
    Q_OBJECT
public:
    Frmravansanji();
    ~Frmravansanji() override;

    // --- Controls, with their designer names.
    QFrame* Frame1;          // the light-blue panel
    SkinLabel* SkinLabel2;   // Persian title
    SkinLabel* SkinLabel3;   // English title
    QLabel* Picture1;        // the introduction
    QPushButton* Command1;   // exit
    QLineEdit* Text1;        // theme number
    SkinEngine* Skin1;

    RecordView* Adodc1; // Theme

    // --- Handlers.
    void Form_Load() override;
    void Command1_Click();

private:
    void buildControls();
    void wire();
};

} // namespace pentarix
