#pragma once

#include <QString>

class QWidget;

namespace pentarix::platform {

struct FileDialogRequest;

// Qt's own file dialog, the same on every desktop, in Persian throughout and
// sized so that its columns show their headers and contents whole. Returns
// the chosen path, or the empty text when cancelled.
QString showFileDialog(QWidget* owner, const FileDialogRequest& request, bool save);

} // namespace pentarix::platform
