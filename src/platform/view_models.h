#pragma once

#include "data/record_view.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QComboBox>
#include <QStringList>

#include <vector>

namespace pentarix {

// A grid's rows: the visible rows of a view, read from the view's own copy
// when drawn, never copied into items. Cells are not editable.
class RecordViewTableModel final : public QAbstractTableModel, public ViewListener {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString caption;
    };
    explicit RecordViewTableModel(std::vector<Column> columns, QObject* parent = nullptr);
    ~RecordViewTableModel() override;

    // The view the grid shows; nullptr shows nothing.
    void setView(RecordView* view);
    RecordView* view() const noexcept { return view_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void viewMoved(RecordView& view) override;
    void fieldChanged(RecordView& view, int column) override;
    void viewClosing(RecordView& view) override;

private:
    std::vector<Column> columns_;
    std::vector<int> indexes_;
    RecordView* view_ = nullptr;
};

// One field of a view's visible rows, one entry per row, duplicates kept.
// It follows the view only when synced, so a list can be brought up to date
// when it is about to drop down instead of on every change of the view.
class RecordViewColumnModel final : public QAbstractListModel, public ViewListener {
    Q_OBJECT
public:
    RecordViewColumnModel(RecordView* view, const QString& field, QObject* parent = nullptr);
    ~RecordViewColumnModel() override;

    bool isStale() const noexcept { return stale_; }
    void sync();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void viewMoved(RecordView& view) override;
    void viewClosing(RecordView& view) override;

private:
    RecordView* view_;
    QString field_;
    int column_;
    int rows_ = 0;
    bool stale_ = true;
};

// A drop-down combo whose list is a field of a view and whose text the
// operator may also type. Its text changes only by the operator's hand or by
// the window's logic: the list never rewrites it.
class DataCombo final : public QComboBox {
    Q_OBJECT
public:
    explicit DataCombo(QWidget* parent = nullptr);

    void setListField(RecordView* view, const QString& field);
    // Brings the list up to the view's rows, keeping the text as it is.
    void syncList();
    // Empties the text without telling the window (no Change handler runs).
    void clearQuietly();

    void showPopup() override;

private:
    RecordViewColumnModel* model_ = nullptr;
};

// Empties an editable combo's text without running its Change handler.
void clearQuietly(QComboBox* combo);

} // namespace pentarix
