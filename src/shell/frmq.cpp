#include "shell/frmq.h"

#include "platform/controls.h"
#include "platform/data_binding.h"
#include "platform/fonts.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "shell/frmq_texts.h"
#include "shell/theme.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPdfView>

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

    document_ = new QPdfDocument(this);
    WebBrowser1 = new QPdfView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    // Pages read top to bottom; the scroll bar stays where a reader expects it.
    WebBrowser1->setLayoutDirection(Qt::LeftToRight);
    WebBrowser1->setPageMode(QPdfView::PageMode::MultiPage);
    WebBrowser1->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    WebBrowser1->setDocument(document_);
    twips::place(WebBrowser1, 180, 300, 9855, 8355);

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
    if (document_->load(path) == QPdfDocument::Error::None) {
        Label1->hide();
        return;
    }
    // The file name stays left to right inside the Persian note.
    Label1->setText(texts::kBookletMissing + QStringLiteral("\n\u2066") + QDir::toNativeSeparators(path) +
                    QStringLiteral("\u2069"));
    Label1->show();
    Label1->raise();
}

} // namespace pentarix
