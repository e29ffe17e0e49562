#pragma once

#include "data/record_view.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

namespace pentarix {

// A window as the system's windows behave: loaded on first access (its views
// open, then Form_Load runs), unloaded when it closes (Form_Unload runs, its
// views close, the object goes away) and loaded afresh on the next access.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Shows the window modally and returns once it has been unloaded.
    void showModal();
    bool isUnloaded() const noexcept { return unloaded_; }

Q_SIGNALS:
    void unloaded();

protected:
    // Opens a view of a whole table on the database file; the window owns it
    // until it unloads.
    RecordView* openView(const QString& table);
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<std::unique_ptr<RecordView>> views_;
    bool unloaded_ = false;
};

// Every window slot registers itself, so that tests can unload them all.
class FormSlotBase {
public:
    FormSlotBase();
    virtual ~FormSlotBase();
    FormSlotBase(const FormSlotBase&) = delete;
    FormSlotBase& operator=(const FormSlotBase&) = delete;
    // Drops the window without running its handlers.
    virtual void discard() = 0;
    static void discardAll();
};

// The one instance of a window class, loaded on demand.
template <class T>
class FormSlot final : public FormSlotBase {
public:
    T& operator()() {
        if (!form_) {
            T* form = new T();
            form_ = form;
            QObject::connect(form, &Form::unloaded, form, [this, form] {
                if (form_ == form) form_ = nullptr;
            });
            const QPointer<T> loading(form);
            try {
                form->Form_Load();
            } catch (...) {
                // A window whose load failed is not left half loaded: the
                // next access loads it afresh.
                if (form_ == loading) form_ = nullptr;
                delete loading.data();
                throw;
            }
        }
        return *form_;
    }
    bool isLoaded() const { return form_ != nullptr; }
    T* peek() const { return form_; }
    void discard() override {
        if (T* form = form_) {
            form_ = nullptr;
            delete form;
        }
    }

private:
    QPointer<T> form_;
};

// The program's windows, one instance per class, as the system names them:
// form<FrmTest>() loads the window on first access and returns it.
template <class T>
FormSlot<T>& formSlot() {
    static FormSlot<T> slot;
    return slot;
}

template <class T>
T& form() {
    return formSlot<T>()();
}

template <class T>
bool isLoaded() {
    return formSlot<T>().isLoaded();
}

// The window the operator comes back to when another window closes. The shell
// names it once, at start-up; every other window brings it back through
// showMainWindow() without knowing its class.
using MainWindowAccess = Form& (*)();
void setMainWindow(MainWindowAccess access);
// Loads the main window if need be and shows it; nothing before it is named.
void showMainWindow();

} // namespace pentarix
