// The benchmark program's own memory, from /proc/self/status (Linux only; -1 elsewhere).
#pragma once

#include <QByteArray>
#include <QFile>

namespace processmemory {

// A figure of /proc/self/status in MiB: "VmRSS:" what is resident now, "VmHWM:" its peak.
inline double statusMiB(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// From here on VmHWM counts from what is resident now.
inline void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

} // namespace processmemory
