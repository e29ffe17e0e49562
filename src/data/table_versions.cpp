#include "data/table_versions.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <optional>

namespace pentarix {

namespace {

struct FileState {
    std::optional<std::uint32_t> counter; // the header's change counter when last seen
    std::uint64_t epoch = 1;
    QHash<QString, std::uint64_t> versions;
};

QHash<QString, FileState>& files() {
    static QHash<QString, FileState> all;
    return all;
}

// The file change counter of the database header (bytes 24 to 27, big
// endian), which every commit in rollback-journal mode increments.
std::optional<std::uint32_t> changeCounter(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray header = file.read(28);
    if (header.size() < 28) return std::nullopt;
    const auto* bytes = reinterpret_cast<const unsigned char*>(header.constData()) + 24;
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           std::uint32_t{bytes[3]};
}

FileState& observe(const QString& path) {
    FileState& state = files()[QFileInfo(path).absoluteFilePath()];
    const auto counter = changeCounter(path);
    if (!counter || counter != state.counter) {
        // Someone outside the process wrote (or the file cannot be read):
        // no copy of any table is known to be current any more.
        ++state.epoch;
        state.counter = counter;
    }
    return state;
}

} // namespace

TableVersions::Stamp TableVersions::current(const QString& databasePath, const QString& table) {
    FileState& state = observe(databasePath);
    return {state.epoch, state.versions.value(table)};
}

TableVersions::Stamp TableVersions::committed(const QString& databasePath, const QString& table) {
    FileState& state = files()[QFileInfo(databasePath).absoluteFilePath()];
    // The commit itself moved the counter; take the new value as seen.
    state.counter = changeCounter(databasePath);
    if (!state.counter) ++state.epoch;
    return {state.epoch, ++state.versions[table]};
}

} // namespace pentarix
