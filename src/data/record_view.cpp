#include "data/record_view.h"

#include "data/data_error.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace pentarix {

namespace {

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// Letter case of ASCII letters is ignored, exactly as the store's NOCASE
// collation on Code ignores it, so a filter finds what uniqueness forbids.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    }
    return true;
}

struct ParsedFilter {
    QString field;
    QString value;
};

ParsedFilter parseFilter(const QString& text) {
    const qsizetype equals = text.indexOf(QStringLiteral("='"));
    if (equals <= 0 || text.size() < equals + 3 || !text.endsWith(QLatin1Char('\''))) {
        throw DataError(DataError::Kind::BadFilter, QStringLiteral("شرط جستجو نادرست است: \u2068%1\u2069").arg(text));
    }
    return {text.left(equals).trimmed(), text.mid(equals + 2, text.size() - equals - 3)};
}

DataError noCurrentRow() { return DataError(DataError::Kind::NoCurrentRow, QStringLiteral("رکورد جاری وجود ندارد.")); }

// Text written into a numeric field becomes a number when it is stored; the
// store refuses what does not read as one.
OwnedCell storedForm(const OwnedCell& cell, const DataStore::Column& column) {
    if (cell.kind != Cell::Kind::Text || column.kind != DataStore::ColumnKind::Numeric) return cell;
    const QString trimmed = QString::fromStdString(cell.text).trimmed();
    OwnedCell stored;
    bool ok = false;
    if (trimmed.isEmpty()) return stored;
    if (const qlonglong integer = trimmed.toLongLong(&ok); ok) {
        stored.kind = Cell::Kind::Integer;
        stored.integer = integer;
    } else if (const double real = trimmed.toDouble(&ok); ok) {
        stored.kind = Cell::Kind::Real;
        stored.real = real;
    } else {
        throw DataError(DataError::Kind::NotNumber,
                        QStringLiteral("مقدار فیلد \u2066%1\u2069 باید عدد باشد: \u2068%2\u2069").arg(column.name, trimmed));
    }
    return stored;
}

} // namespace

RecordView::RecordView(const QString& databasePath, const QString& table)
    : store_(DataStore::of(databasePath)), table_(&store_->table(table)) {
    store_->attach(this);
    try {
        pinHead();
    } catch (...) {
        store_->detach(this);
        throw;
    }
}

RecordView::~RecordView() {
    unpin();
    store_->detach(this);
    const auto listeners = listeners_;
    listeners_.clear();
    for (ViewListener* listener : listeners) listener->viewClosing(*this);
}

void RecordView::close() {
    unpin();
    store_->detach(this);
    open_ = false;
    base_.reset();
    partial_ = false;
    own_.clear();
    visible_.clear();
    head_ = {};
    current_ = -1;
    // The window is going away: its controls are not told.
}

void RecordView::requireOpen() const {
    if (!open_) throw DataError(DataError::Kind::Storage, QStringLiteral("نما بسته است."));
}

// The table as it is now, known by its count and first row until a window
// needs more.
void RecordView::pinHead() {
    const std::uint64_t version = store_->version(*table_);
    DataStore::Head head = store_->head(*table_, version);
    unpin();
    version_ = version;
    head_ = std::move(head);
    base_.reset();
    partial_ = false;
    visible_.clear();
    store_->pin(*table_, version_);
    pinned_ = true;
    current_ = head_.count > 0 ? 0 : -1;
}

void RecordView::unpin() const {
    if (!pinned_) return;
    pinned_ = false;
    store_->unpin(*table_, version_);
}

void RecordView::ensureRows() const {
    if (base_ && !partial_) return;
    requireOpen();
    std::uint64_t version = version_;
    auto rows = store_->rows(*table_, version);
    unpin();
    version_ = version;
    base_ = std::move(rows);
    partial_ = false;
    // The same rows as before, now among all the others.
    if (filter_.isEmpty()) {
        rebuildVisible(nullptr, 0);
    } else {
        applyFilter(filter_);
    }
}

// The rows shown: the table's, each replaced by this view's own copy where
// it has one and left out where this view removed it, then the rows added
// through this view; with a filter, those that match it.
void RecordView::rebuildVisible(const std::function<bool(const Cell&)>* match, int column) const {
    visible_.clear();
    std::unordered_map<std::int64_t, int> byRowid;
    for (std::size_t i = 0; i < own_.size(); ++i) {
        if (own_[i].stored) byRowid.emplace(own_[i].rowid, static_cast<int>(i));
    }
    std::vector<bool> placed(own_.size(), false);
    const int size = base_->size();
    if (!match && byRowid.empty()) {
        visible_.resize(static_cast<std::size_t>(size));
        std::iota(visible_.begin(), visible_.end(), 0);
    } else {
        visible_.reserve(static_cast<std::size_t>(size) + own_.size());
        for (int row = 0; row < size; ++row) {
            if (!byRowid.empty()) {
                if (const auto it = byRowid.find(base_->rowid(row)); it != byRowid.end()) {
                    const OwnRow& own = own_[static_cast<std::size_t>(it->second)];
                    placed[static_cast<std::size_t>(it->second)] = true;
                    if (!own.deleted && (!match || (*match)(own.cells[static_cast<std::size_t>(column)].view()))) {
                        visible_.push_back(~it->second);
                    }
                    continue;
                }
            }
            if (!match || (*match)(base_->cell(row, column))) visible_.push_back(row);
        }
    }
    for (std::size_t i = 0; i < own_.size(); ++i) {
        const OwnRow& own = own_[i];
        if (placed[i] || own.deleted || !own.added) continue;
        // A row being added stays in view until it is stored or dropped.
        if (!own.stored || !match || (*match)(own.cells[static_cast<std::size_t>(column)].view())) {
            visible_.push_back(~static_cast<int>(i));
        }
    }
}

int RecordView::addedCount() const {
    return static_cast<int>(std::count_if(own_.begin(), own_.end(), [](const OwnRow& r) { return r.added && !r.deleted; }));
}

int RecordView::RecordCount() const noexcept {
    return base_ ? static_cast<int>(visible_.size()) : head_.count + addedCount();
}

int RecordView::ownAt(int visibleRow) const {
    if (!base_ && visibleRow > 0 && visibleRow < head_.count) ensureRows();
    if (base_) {
        const int entry = visible_[static_cast<std::size_t>(visibleRow)];
        return entry < 0 ? ~entry : -1;
    }
    if (visibleRow == 0 && head_.count > 0) {
        for (std::size_t i = 0; i < own_.size(); ++i) {
            if (!own_[i].added && !own_[i].deleted && own_[i].rowid == head_.first->rowid) return static_cast<int>(i);
        }
        return -1;
    }
    int k = visibleRow - head_.count;
    for (std::size_t i = 0; i < own_.size(); ++i) {
        if (own_[i].added && !own_[i].deleted && k-- == 0) return static_cast<int>(i);
    }
    return -1;
}

Cell RecordView::cellAt(int visibleRow, int column) const {
    const int own = ownAt(visibleRow);
    if (own >= 0) return own_[static_cast<std::size_t>(own)].cells[static_cast<std::size_t>(column)].view();
    if (base_) return base_->cell(visible_[static_cast<std::size_t>(visibleRow)], column);
    return head_.first->cells[static_cast<std::size_t>(column)].view();
}

RecordView::OwnRow& RecordView::ownCurrent() {
    const int own = ownAt(current_);
    if (own >= 0) return own_[static_cast<std::size_t>(own)];
    const RowCopy copy = base_ ? base_->copy(visible_[static_cast<std::size_t>(current_)]) : *head_.first;
    own_.push_back(OwnRow{copy.rowid, false, true, false, 0, copy.cells, copy.cells});
    if (base_) visible_[static_cast<std::size_t>(current_)] = ~static_cast<int>(own_.size() - 1);
    return own_.back();
}

void RecordView::dropOwn(std::size_t own) {
    own_.erase(own_.begin() + static_cast<std::ptrdiff_t>(own));
    const int gone = static_cast<int>(own);
    for (int& entry : visible_) {
        if (entry < 0 && ~entry > gone) entry = ~(~entry - 1);
    }
}

int RecordView::columnIndex(const QString& field) const {
    for (std::size_t i = 0; i < table_->columns.size(); ++i) {
        if (table_->columns[i].name.compare(field, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
}

int RecordView::requireColumn(const QString& field) const {
    const int column = columnIndex(field);
    if (column < 0) {
        throw DataError(DataError::Kind::UnknownField,
                        QStringLiteral("فیلد \u2068%1\u2069 در جدول \u2066%2\u2069 نیست.").arg(field, table_->name));
    }
    return column;
}

void RecordView::Refresh() {
    requireOpen();
    // Pending changes go with the rows they were made on.
    pinHead();
    own_.clear();
    filter_.clear();
    notifyMoved();
}

void RecordView::Filter(const QString& filterText) {
    requireOpen();
    if (filterText.trimmed().isEmpty()) {
        ensureRows();
        filter_.clear();
        rebuildVisible(nullptr, 0);
    } else {
        const ParsedFilter parsed = parseFilter(filterText);
        const int column = requireColumn(parsed.field);
        // A view that still shows the table as it is now, unchanged by this
        // view, can ask the file for the matching rows alone.
        if ((!base_ || partial_) && own_.empty() && columnKind(column) == ColumnKind::Text &&
            store_->version(*table_) == version_) {
            base_ = store_->matching(*table_, column, parsed.value);
            partial_ = true;
            rebuildVisible(nullptr, 0);
        } else {
            ensureRows();
            applyFilter(filterText);
        }
        filter_ = filterText;
    }
    current_ = visible_.empty() ? -1 : 0;
    notifyMoved();
}

void RecordView::applyFilter(const QString& filterText) const {
    const ParsedFilter parsed = parseFilter(filterText);
    const int column = requireColumn(parsed.field);
    bool numericValue = false;
    const double number = parsed.value.trimmed().toDouble(&numericValue);
    const bool numeric = columnKind(column) == ColumnKind::Numeric && numericValue;
    const QByteArray wanted = parsed.value.toUtf8();
    const std::string_view wantedBytes(wanted.constData(), static_cast<std::size_t>(wanted.size()));
    const std::function<bool(const Cell&)> match = [&](const Cell& cell) {
        if (numeric) {
            switch (cell.kind) {
            case Cell::Kind::Integer: return static_cast<double>(cell.integer) == number;
            case Cell::Kind::Real: return cell.real == number;
            case Cell::Kind::Text: {
                bool ok = false;
                const double stored = cell.toString().trimmed().toDouble(&ok);
                return ok && stored == number;
            }
            case Cell::Kind::Null: return false;
            }
            return false;
        }
        switch (cell.kind) {
        case Cell::Kind::Text: return equalsIgnoringAsciiCase(cell.text, wantedBytes);
        case Cell::Kind::Null: return wantedBytes.empty();
        default: return cell.toString() == parsed.value;
        }
    };
    rebuildVisible(&match, column);
}

void RecordView::AddNew() {
    requireOpen();
    own_.push_back(OwnRow{0, true, false, false, 0, std::vector<OwnedCell>(static_cast<std::size_t>(columnCount())), {}});
    if (base_) visible_.push_back(~static_cast<int>(own_.size() - 1));
    current_ = RecordCount() - 1;
    notifyMoved();
}

QString RecordView::Fields(const QString& field) const {
    const int column = requireColumn(field);
    if (current_ < 0) throw noCurrentRow();
    return cellAt(current_, column).toString();
}

QString RecordView::currentText(int column) const {
    if (current_ < 0 || column < 0 || column >= columnCount()) return QString();
    return cellAt(current_, column).toString();
}

QString RecordView::text(int visibleRow, int column) const { return cellAt(visibleRow, column).toString(); }

void RecordView::setField(const QString& field, const QString& value) {
    const int column = requireColumn(field);
    if (current_ < 0) throw noCurrentRow();
    OwnRow& row = ownCurrent();
    row.cells[static_cast<std::size_t>(column)] = OwnedCell::ofText(value);
    row.dirty |= std::uint64_t{1} << column;
    notifyField(column);
}

bool RecordView::hasPendingChange() const noexcept {
    return std::any_of(own_.begin(), own_.end(), [](const OwnRow& r) { return !r.deleted && (!r.stored || r.dirty); });
}

void RecordView::enlist() {
    if (!store_->inTransaction()) return;
    State state{version_, base_, partial_, head_, own_, filter_, visible_, current_};
    store_->enlist(this, [this, state = std::move(state)]() mutable { restore(std::move(state)); });
}

void RecordView::restore(State state) {
    unpin();
    version_ = state.version;
    base_ = std::move(state.base);
    partial_ = state.partial;
    head_ = std::move(state.head);
    own_ = std::move(state.own);
    filter_ = std::move(state.filter);
    visible_ = std::move(state.visible);
    current_ = state.current;
    if (!base_ || partial_) {
        store_->pin(*table_, version_);
        pinned_ = true;
    }
    notifyMoved();
}

void RecordView::commitRow(std::size_t index) {
    OwnRow& row = own_[index];
    RowChange change;
    change.kind = row.stored ? RowChange::Kind::Update : RowChange::Kind::Insert;
    change.rowid = row.rowid;
    change.before = row.stored_;
    change.after = row.stored ? row.stored_ : std::vector<OwnedCell>(static_cast<std::size_t>(columnCount()));
    for (int c = 0; c < columnCount(); ++c) {
        if (row.dirty >> c & 1) {
            change.after[static_cast<std::size_t>(c)] =
                storedForm(row.cells[static_cast<std::size_t>(c)], table_->columns[static_cast<std::size_t>(c)]);
        }
    }
    enlist();
    store_->write(*table_, change, row.dirty);

    OwnRow& stored = own_[index];
    std::vector<int> reshown;
    for (int c = 0; c < columnCount(); ++c) {
        if (stored.cells[static_cast<std::size_t>(c)].view().toString() != change.after[static_cast<std::size_t>(c)].view().toString()) {
            reshown.push_back(c);
        }
    }
    stored.rowid = change.rowid;
    stored.stored = true;
    stored.dirty = 0;
    stored.cells = change.after;
    stored.stored_ = std::move(change.after);
    if (current_ >= 0 && ownAt(current_) == static_cast<int>(index)) {
        for (int c : reshown) notifyField(c);
    }
}

void RecordView::Update() {
    requireOpen();
    for (std::size_t i = 0; i < own_.size(); ++i) {
        if (!own_[i].deleted && (!own_[i].stored || own_[i].dirty)) commitRow(i);
    }
}

void RecordView::Save() { Update(); }

bool RecordView::storeContains(const QString& field, const QString& value) {
    requireOpen();
    return store_->contains(*table_, requireColumn(field), value);
}

void RecordView::Delete() {
    requireOpen();
    if (current_ < 0) throw noCurrentRow();
    if (!base_) ensureRows();
    const int own = ownAt(current_);
    if (own >= 0 && !own_[static_cast<std::size_t>(own)].stored) {
        // A row being added never reached the file.
        visible_.erase(visible_.begin() + current_);
        dropOwn(static_cast<std::size_t>(own));
    } else {
        const int entry = visible_[static_cast<std::size_t>(current_)];
        RowChange change;
        change.kind = RowChange::Kind::Delete;
        change.rowid = own >= 0 ? own_[static_cast<std::size_t>(own)].rowid : base_->rowid(entry);
        change.before = own >= 0 ? own_[static_cast<std::size_t>(own)].stored_ : base_->copy(entry).cells;
        enlist();
        store_->write(*table_, change, 0);
        // The view keeps a mark in place of the row, so it stays hidden.
        OwnRow mark{change.rowid, own >= 0 && own_[static_cast<std::size_t>(own)].added, true, true, 0, {}, {}};
        if (own >= 0) {
            own_[static_cast<std::size_t>(own)] = std::move(mark);
        } else {
            own_.push_back(std::move(mark));
        }
        visible_.erase(visible_.begin() + current_);
    }
    if (current_ >= RecordCount()) current_ = RecordCount() - 1;
    notifyMoved();
}

void RecordView::addListener(ViewListener* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) listeners_.push_back(listener);
}

void RecordView::removeListener(ViewListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

// Listeners may run window handlers that add or remove listeners; each one
// still registered when its turn comes is told.
void RecordView::notifyMoved() {
    const auto listeners = listeners_;
    for (ViewListener* listener : listeners) {
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) listener->viewMoved(*this);
    }
}

void RecordView::notifyField(int column) {
    const auto listeners = listeners_;
    for (ViewListener* listener : listeners) {
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) {
            listener->fieldChanged(*this, column);
        }
    }
}

} // namespace pentarix
