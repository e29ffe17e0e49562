#include "platform/view_models.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

namespace pentarix {

RecordViewTableModel::RecordViewTableModel(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)), indexes_(columns_.size(), -1) {}

RecordViewTableModel::~RecordViewTableModel() {
    if (view_) view_->removeListener(this);
}

void RecordViewTableModel::setView(RecordView* view) {
    beginResetModel();
    if (view_) view_->removeListener(this);
    view_ = view;
    for (std::size_t i = 0; i < columns_.size(); ++i) indexes_[i] = view_ ? view_->columnIndex(columns_[i].field) : -1;
    if (view_) {
        view_->addListener(this);
        view_->readRows();
    }
    endResetModel();
}

int RecordViewTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !view_ ? 0 : view_->RecordCount();
}

int RecordViewTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RecordViewTableModel::data(const QModelIndex& index, int role) const {
    if (!view_ || !index.isValid() || index.row() >= view_->RecordCount()) return QVariant();
    if (role == Qt::DisplayRole) {
        const int column = indexes_[static_cast<std::size_t>(index.column())];
        return column < 0 ? QString() : view_->text(index.row(), column);
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    return QVariant();
}

QVariant RecordViewTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(columns_.size())) {
        return columns_[static_cast<std::size_t>(section)].caption;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RecordViewTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void RecordViewTableModel::viewMoved(RecordView& view) {
    view.readRows();
    beginResetModel();
    endResetModel();
}

void RecordViewTableModel::fieldChanged(RecordView& view, int) {
    if (view.hasCurrentRow()) {
        const int row = view.currentIndex();
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void RecordViewTableModel::viewClosing(RecordView&) {
    beginResetModel();
    view_ = nullptr;
    endResetModel();
}

RecordViewColumnModel::RecordViewColumnModel(RecordView* view, const QString& field, QObject* parent)
    : QAbstractListModel(parent), view_(view), field_(field), column_(view->columnIndex(field)) {
    view_->addListener(this);
}

RecordViewColumnModel::~RecordViewColumnModel() {
    if (view_) view_->removeListener(this);
}

void RecordViewColumnModel::sync() {
    beginResetModel();
    rows_ = view_ ? view_->RecordCount() : 0;
    stale_ = false;
    endResetModel();
}

int RecordViewColumnModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant RecordViewColumnModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole) return QVariant();
    if (!view_ || stale_ || !index.isValid() || index.row() >= rows_ || index.row() >= view_->RecordCount()) {
        return QVariant();
    }
    return view_->text(index.row(), column_);
}

void RecordViewColumnModel::viewMoved(RecordView&) { stale_ = true; }

void RecordViewColumnModel::viewClosing(RecordView&) {
    view_ = nullptr;
    stale_ = true;
}

DataCombo::DataCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Widths of every entry are never measured: the list may hold many rows.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* list = qobject_cast<QListView*>(view())) list->setUniformItemSizes(true);
}

void DataCombo::setListField(RecordView* view, const QString& field) {
    model_ = new RecordViewColumnModel(view, field, this);
    const QString text = currentText();
    const QSignalBlocker blocker(this);
    setModel(model_);
    setCurrentIndex(-1);
    setEditText(text);
}

void DataCombo::syncList() {
    if (!model_) return;
    // A reset empties an editable combo's text; the operator's text stays.
    const QString text = currentText();
    const QSignalBlocker blocker(this);
    model_->sync();
    setCurrentIndex(-1);
    setEditText(text);
}

void DataCombo::clearQuietly() { pentarix::clearQuietly(this); }

void DataCombo::showPopup() {
    if (model_ && model_->isStale()) syncList();
    QComboBox::showPopup();
}

void clearQuietly(QComboBox* combo) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(-1);
    if (combo->isEditable()) combo->setEditText(QString());
}

} // namespace pentarix
