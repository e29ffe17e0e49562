#pragma once

#include "data/record_view.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QLineEdit;

namespace pentarix {

// Binds one control to one field of a view, as a data control binds it: the
// control shows the field of the current row (empty text when there is none),
// and a change of a text box's text, typed or assigned, is a pending edit of
// that field. A label only shows.
class FieldBinding final : public QObject, public ViewListener {
    Q_OBJECT
public:
    FieldBinding(QLineEdit* edit, RecordView* view, const QString& field);
    FieldBinding(QLabel* label, RecordView* view, const QString& field);
    ~FieldBinding() override;

    const QString& field() const noexcept { return field_; }
    RecordView* view() const noexcept { return view_; }
    // Binds the control to another field of the same view at run time.
    void setField(const QString& field);

    void viewMoved(RecordView& view) override;
    void fieldChanged(RecordView& view, int column) override;
    void viewClosing(RecordView& view) override;

private:
    void show();
    void onTextChanged(const QString& text);

    QPointer<QLineEdit> edit_;
    QPointer<QLabel> label_;
    RecordView* view_;
    QString field_;
    int column_ = -1;
    bool showing_ = false;
};

// Creates a binding owned by the control.
FieldBinding* bind(QLineEdit* edit, RecordView* view, const QString& field);
FieldBinding* bind(QLabel* label, RecordView* view, const QString& field);

} // namespace pentarix
