#include "platform/data_binding.h"

#include "platform/handlers.h"

#include <QLabel>
#include <QLineEdit>

namespace pentarix {

FieldBinding::FieldBinding(QLineEdit* edit, RecordView* view, const QString& field)
    : QObject(edit), edit_(edit), view_(view), field_(field), column_(view->columnIndex(field)) {
    view_->addListener(this);
    connectHandler(edit, &QLineEdit::textChanged, this, &FieldBinding::onTextChanged);
    show();
}

FieldBinding::FieldBinding(QLabel* label, RecordView* view, const QString& field)
    : QObject(label), label_(label), view_(view), field_(field), column_(view->columnIndex(field)) {
    view_->addListener(this);
    show();
}

FieldBinding::~FieldBinding() {
    if (view_) view_->removeListener(this);
}

void FieldBinding::setField(const QString& field) {
    field_ = field;
    column_ = view_ ? view_->columnIndex(field) : -1;
    show();
}

void FieldBinding::viewMoved(RecordView&) { show(); }

void FieldBinding::fieldChanged(RecordView&, int column) {
    if (column == column_) show();
}

void FieldBinding::viewClosing(RecordView&) { view_ = nullptr; }

void FieldBinding::show() {
    const QString value = view_ ? view_->currentText(column_) : QString();
    showing_ = true;
    if (edit_ && edit_->text() != value) {
        edit_->setText(value);
        // A long value shows from its start, as it reads, unless being typed.
        if (!edit_->hasFocus()) edit_->setCursorPosition(0);
    }
    if (label_ && label_->text() != value) label_->setText(value);
    showing_ = false;
}

void FieldBinding::onTextChanged(const QString& text) {
    if (showing_ || !view_ || column_ < 0 || !view_->hasCurrentRow()) return;
    // Typing the text the field already holds is no edit.
    if (view_->currentText(column_) == text) return;
    view_->setField(field_, text);
}

FieldBinding* bind(QLineEdit* edit, RecordView* view, const QString& field) {
    return new FieldBinding(edit, view, field);
}

FieldBinding* bind(QLabel* label, RecordView* view, const QString& field) {
    return new FieldBinding(label, view, field);
}

} // namespace pentarix
