#include "shell/frmq.h"

#include "common/theme.h"
#include "platform/controls.h"
#include "platform/data_binding.h"
#include "platform/fonts.h"
#include "platform/pdf_viewer.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "shell/frmq_texts.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>

namespace pentarix {

namespace texts = frmq_texts;

FrmQ::FrmQ() {
    setObjectName(QStringLiteral("FrmQ"));
    Adodc1 = openView(QStringLiteral("Theme"));
    buildControls();
    bind(Text1, Adodc1, QStringLiteral("TH"));
}

FrmQ::~FrmQ() = default;

void FrmQ::buildControls() {
    setWindowTitle(texts::kCaption);
    twips::setClientSize(this, 10365, 9045);

    viewer_ = platform::createPdfViewer(this);
    WebBrowser1 = viewer_ ? viewer_->widget() : nullptr;
    if (WebBrowser1) {
        WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
        twips::place(WebBrowser1, 180, 300, 9855, 8355);
    }

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(fonts::nazanin(13));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    // A note card of its own: legible on the empty viewer in every skin.
    Label1->setStyleSheet(QStringLiteral("QLabel { background-color: #fff8e6; color: #5a2d0c; "
                                         "border: 1px solid #d9b26a; border-radius: 8px; padding: 10px; }"));
    twips::place(Label1, 900, 3000, 8415, 1800);
    Label1->hide();

    Text1 = controls::hiddenBox(this, "Text1");
    Skin1 = new SkinEngine(this);
}

QString FrmQ::bookletPath() { return QDir::current().filePath(texts::kBookletFile); }

void FrmQ::Form_Load() {
    twips::moveWindow(this, 2340, 200);
    ApplyTheme(this, *Skin1, Text1->text());
    navigate(bookletPath());
}

void FrmQ::navigate(const QString& path) {
    if (viewer_ && viewer_->load(path)) {
        Label1->hide();
        return;
    }
    // The file name stays left to right inside the Persian note.
    const QString& note = viewer_ ? texts::kBookletMissing : texts::kViewerMissing;
    Label1->setText(note + QStringLiteral("\n\u2066") + QDir::toNativeSeparators(path) + QStringLiteral("\u2069"));
    Label1->show();
    Label1->raise();
}

} // namespace pentarix
