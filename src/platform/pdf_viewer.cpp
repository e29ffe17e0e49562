#include "platform/pdf_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace pentarix::platform {

namespace {

// The module sits beside the program (the build puts a copy beside the tests
// and benchmarks too); without it the caller shows its note instead.
CreatePdfViewer resolveModule() {
    const QString folder = QCoreApplication::applicationDirPath();
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(kPdfViewerModule)));
    // Loaded once and kept for the life of the process.
    return reinterpret_cast<CreatePdfViewer>(module.resolve(kCreatePdfViewerSymbol));
}

} // namespace

PdfViewer* createPdfViewer(QWidget* parent) {
    static const CreatePdfViewer create = resolveModule();
    return create ? create(parent) : nullptr;
}

} // namespace pentarix::platform
