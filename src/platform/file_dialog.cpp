#include "platform/file_dialog.h"

#include "platform/fonts.h"
#include "platform/modal.h"
#include "platform/twips.h"

#include <QCalendar>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace pentarix::platform {

namespace {

// The file system model's columns.
enum Column { kName = 0, kSize = 1, kKind = 2, kModified = 3 };

// Room for the four columns and the places beside them, inside even a
// screen of 800×600.
constexpr int kDialogWidth = 10800;
constexpr int kDialogHeight = 6750;

QString dialogText(const char* source) { return QCoreApplication::translate("QFileDialog", source); }

// Written by the model's own rule, in its own translated units.
QString sizeText(qint64 bytes) {
    constexpr qint64 kb = 1024;
    constexpr qint64 mb = 1024 * kb;
    constexpr qint64 gb = 1024 * mb;
    constexpr qint64 tb = 1024 * gb;
    const QLocale locale;
    const auto unit = [](const char* source) { return QCoreApplication::translate("QFileSystemModel", source); };
    const auto share = [](qint64 amount, qint64 per) { return static_cast<double>(amount) / static_cast<double>(per); };
    if (bytes >= tb) return unit("%1 TB").arg(locale.toString(share(bytes, tb), 'f', 3));
    if (bytes >= gb) return unit("%1 GB").arg(locale.toString(share(bytes, gb), 'f', 2));
    if (bytes >= mb) return unit("%1 MB").arg(locale.toString(share(bytes, mb), 'f', 1));
    if (bytes >= kb) return unit("%1 KB").arg(locale.toString(bytes / kb));
    return unit("%1 bytes").arg(locale.toString(bytes));
}

// Sizes, kinds and dates as the Persian locale writes them. The file system
// model writes sizes and dates by the system's locale, which a machine set up
// without one leaves English ("KiB", "Dec"), and names a folder under a
// translation context that Qt's Persian file lacks; the dialog's own context
// carries the same words. Dates are Solar Hijri, as everywhere in the program.
class PersianFileColumns final : public QIdentityProxyModel {
public:
    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole || index.column() == kName) return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const bool folder = files->isDir(source);
        switch (index.column()) {
        case kSize: return folder ? QString() : sizeText(files->size(source));
        case kKind: return folder ? dialogText("Folder") : kindOf(files->fileInfo(source).suffix());
        case kModified:
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat,
                                      QCalendar(QCalendar::System::Jalali));
        default: return QIdentityProxyModel::data(index, role);
        }
    }

private:
    static QString kindOf(const QString& suffix) {
        return suffix.isEmpty() ? dialogText("File") : dialogText("%1 File").arg(suffix);
    }
};

// The detailed list's name takes the room the other columns leave; they
// follow their headers and contents as the folder's entries arrive.
void fitColumns(QFileDialog& dialog) {
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!list) return;
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(kName, QHeaderView::Stretch);
    for (int column : {kSize, kKind, kModified}) header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

} // namespace

QString showFileDialog(QWidget* owner, const FileDialogRequest& request, bool save) {
    const QString start =
        request.fileName.isEmpty() ? request.directory : request.directory + QLatin1Char('/') + request.fileName;
    QFileDialog dialog(owner, request.title, start, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    // The dialog takes the columns as its child.
    dialog.setProxyModel(new PersianFileColumns);
    fonts::setDialogFont(dialog, fonts::dialogs());
    fitColumns(dialog);
    dialog.resize(twips::size(kDialogWidth, kDialogHeight));
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace pentarix::platform
