#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>

namespace pentarix::bench {

// The most memory this process has held resident so far, in KiB, as the
// kernel counts it (VmHWM); 0 when it cannot be read.
inline double peakResidentKB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

} // namespace pentarix::bench
