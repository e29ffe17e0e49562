#include "platform/pdf_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace pentarix::platform {

namespace {

// The module sits beside the program; programs built elsewhere in the build
// tree (tests, benchmarks) find it where the build put it.
CreatePdfViewer resolveModule() {
    QStringList folders{QCoreApplication::applicationDirPath()};
#ifdef PENTARIX_MODULE_DIR
    folders << QStringLiteral(PENTARIX_MODULE_DIR);
#endif
    for (const QString& folder : folders) {
        QLibrary module(QDir(folder).filePath(QString::fromLatin1(kPdfViewerModule)));
        // Loaded once and kept for the life of the process.
        if (auto create = reinterpret_cast<CreatePdfViewer>(module.resolve(kCreatePdfViewerSymbol))) return create;
    }
    return nullptr;
}

} // namespace

PdfViewer* createPdfViewer(QWidget* parent) {
    static const CreatePdfViewer create = resolveModule();
    return create ? create(parent) : nullptr;
}

} // namespace pentarix::platform
