#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;

namespace pentarix {

class SkinEngine;
namespace platform {
class PdfViewer;
}

// The item booklet: the PDF file delivered beside the program, shown inside
// the window. The window has no button; its close box closes it.
class FrmQ final : public Form {
    Q_OBJECT
public:
    FrmQ();
    ~FrmQ() override;

    // --- Controls, with their designer names.
    QWidget* WebBrowser1;  // the booklet viewer; null when the viewer cannot be loaded
    QLabel* Label1;        // what the window says when there is no booklet to show
    QLineEdit* Text1;      // theme number
    SkinEngine* Skin1;

    RecordView* Adodc1; // Theme

    // --- Handlers.
    void Form_Load() override;

    // The booklet's place: the application folder and its file name.
    static QString bookletPath();
    platform::PdfViewer* viewer() const { return viewer_; }

private:
    void buildControls();
    // Shows a PDF file in the viewer, or the note when it cannot be read.
    void navigate(const QString& path);

    platform::PdfViewer* viewer_;
};

} // namespace pentarix
