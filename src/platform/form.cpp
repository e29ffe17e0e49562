#include "platform/form.h"

#include "data/data_store.h"
#include "platform/handlers.h"

#include <QCloseEvent>
#include <QEventLoop>

#include <algorithm>
#include <vector>

namespace pentarix {

namespace {
std::vector<FormSlotBase*>& slots() {
    static std::vector<FormSlotBase*> all;
    return all;
}

MainWindowAccess& mainWindowAccess() {
    static MainWindowAccess access = nullptr;
    return access;
}
} // namespace

void setMainWindow(MainWindowAccess access) { mainWindowAccess() = access; }

void showMainWindow() {
    if (MainWindowAccess access = mainWindowAccess()) access().show();
}

FormSlotBase::FormSlotBase() { slots().push_back(this); }

FormSlotBase::~FormSlotBase() {
    auto& all = slots();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void FormSlotBase::discardAll() {
    for (FormSlotBase* slot : slots()) slot->discard();
}

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setLayoutDirection(Qt::RightToLeft);
}

Form::~Form() = default;

RecordView* Form::openView(const QString& table) {
    views_.push_back(std::make_unique<RecordView>(DataStore::defaultPath(), table));
    return views_.back().get();
}

void Form::showModal() {
    QPointer<Form> self(this);
    setWindowModality(Qt::ApplicationModal);
    show();
    if (unloaded_) return;
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    loop.exec();
}

void Form::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    unloaded_ = true;
    // Qt delivers the close: a failure of the window's own unload is told
    // there, and the window still closes with its views.
    runHandler(this, [this] { Form_Unload(); });
    event->accept();
    // A pending change of any view is dropped with the view.
    for (auto& view : views_) view->close();
    Q_EMIT unloaded();
    deleteLater();
}

} // namespace pentarix
