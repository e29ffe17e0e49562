#pragma once

#include <QString>

class QWidget;

namespace pentarix::platform {

// A PDF page viewer. The viewer and the PDF engine behind it live in a
// module of their own that is loaded on first use: the engine and the
// libraries it pulls in are a large share of what the program would
// otherwise load before its main window can appear.
class PdfViewer {
public:
    virtual ~PdfViewer() = default;
    // The viewer's widget; its parent owns it, and the viewer with it.
    virtual QWidget* widget() = 0;
    // Shows the file's pages; false leaves the viewer empty.
    virtual bool load(const QString& path) = 0;
    virtual int pageCount() const = 0;
};

// A viewer inside parent, or nullptr when the viewer module cannot be loaded.
PdfViewer* createPdfViewer(QWidget* parent);

// The module's entry point, looked up by this name.
using CreatePdfViewer = PdfViewer* (*)(QWidget* parent);
inline constexpr const char* kCreatePdfViewerSymbol = "pentarix_create_pdf_viewer";
inline constexpr const char* kPdfViewerModule = "pentarix_pdfview";

} // namespace pentarix::platform
