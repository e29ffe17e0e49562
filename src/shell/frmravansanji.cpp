#include "shell/frmravansanji.h"

#include "common/theme.h"
#include "platform/controls.h"
#include "platform/data_binding.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/pictures.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "shell/frmravansanji_texts.h"
#include "shell/shell_fonts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pentarix {

namespace texts = frmravansanji_texts;

namespace {

// The panel keeps its light blue in every skin, and so its titles keep a dark
// ink of their own: a skin's light label colour would vanish on it.
const QString kFrame1Style = QStringLiteral(
    "QFrame#Frame1 { background-color: #d4e8f8; border: 1px solid #7fa7cf; border-radius: 6px; }"
    "SkinLabel { background: transparent; color: #123c69; }");

SkinLabel* title(QWidget* parent, const char* name, const QString& caption, const QFont& font, int top) {
    auto* label = new SkinLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    twips::place(label, 360, top, 11655, 375);
    return label;
}

} // namespace

Frmravansanji::Frmravansanji() {
    setObjectName(QStringLiteral("Frmravansanji"));
    Adodc1 = openView(QStringLiteral("Theme"));
    buildControls();
    wire();
    bind(Text1, Adodc1, QStringLiteral("TH"));
}

Frmravansanji::~Frmravansanji() = default;

void Frmravansanji::buildControls() {
    setWindowTitle(texts::kCaption);
    twips::setClientSize(this, 12975, 10365);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setStyleSheet(kFrame1Style);
    twips::place(Frame1, 240, 240, 12435, 9855);

    SkinLabel2 = title(Frame1, "SkinLabel2", texts::kPersianTitle, fonts::nazanin(13), 180);
    SkinLabel3 = title(Frame1, "SkinLabel3", texts::kEnglishTitle, fonts::arial(11), 600);
    SkinLabel3->setLayoutDirection(Qt::LeftToRight);

    Picture1 = new QLabel(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(platform::picture(QStringLiteral("questionnaire_introduction")));
    Picture1->setAlignment(Qt::AlignCenter);
    twips::place(Picture1, 360, 1020, 11655, 7695);

    Command1 = controls::button(Frame1, "Command1", texts::kCommand1Caption, 5760, 9000, 1215, 495);
    Command1->setFont(shell_fonts::arial(12));

    Text1 = controls::hiddenBox(this, "Text1");
    Skin1 = new SkinEngine(this);
}

void Frmravansanji::wire() {
    connectHandler(Command1, &QPushButton::clicked, this, &Frmravansanji::Command1_Click);
}

void Frmravansanji::Form_Load() {
    twips::moveWindow(this, 2340, 200);
    ApplyTheme(this, *Skin1, Text1->text());
}

void Frmravansanji::Command1_Click() { close(); }

} // namespace pentarix
