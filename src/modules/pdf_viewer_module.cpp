// The PDF viewer module, loaded by the program the first time a PDF is shown.
#include "platform/pdf_viewer.h"

#include <QPdfDocument>
#include <QPdfView>

namespace {

class Viewer final : public QPdfView, public pentarix::platform::PdfViewer {
public:
    explicit Viewer(QWidget* parent) : QPdfView(parent), document_(new QPdfDocument(this)) {
        // Pages read top to bottom; the scroll bar stays where a reader expects it.
        setLayoutDirection(Qt::LeftToRight);
        setPageMode(QPdfView::PageMode::MultiPage);
        setZoomMode(QPdfView::ZoomMode::FitToWidth);
        setDocument(document_);
    }

    // The document goes first: closing it signals the view, which must still be whole.
    ~Viewer() override {
        setDocument(nullptr);
        delete document_;
    }

    QWidget* widget() override { return this; }

    bool load(const QString& path) override {
        if (document_->load(path) == QPdfDocument::Error::None) return true;
        document_->close();
        return false;
    }

    int pageCount() const override {
        return document_->status() == QPdfDocument::Status::Ready ? document_->pageCount() : 0;
    }

private:
    QPdfDocument* document_;
};

} // namespace

extern "C" Q_DECL_EXPORT pentarix::platform::PdfViewer* pentarix_create_pdf_viewer(QWidget* parent) {
    return new Viewer(parent);
}
