// How long the settings file takes to load (options, saved servers, user prefix) and to save
// the saved-server list, with 100, 1,000 and 3,000 saved servers.
// Then large files of 16 and 64 MiB in two shapes, each loaded as the program does at start
// (the user prefix, the options, the saved servers and the message sets, each reader reading
// the file on its own) and rewritten by one option switch:
//   servers - nothing but saved servers ([servers], [ports], [rcon]: 84 to 90 bytes a server);
//   unknown - a section the program does not know of 60-byte keys, between the options and
//             message sets before it and a hundred saved servers after it.
// Each large file is loaded by a program of its own. For each: the time, the peak memory above what
// the program held before (VmHWM of /proc/self/status, reset through /proc/self/clear_refs, so
// Linux only) and what it still holds after (VmRSS), both also as a multiple of the file's size.
// Prints, asserts nothing.

#include "ProcessMemory.h"
#include "messages/MessageSetStore.h"
#include "settings/OptionsStore.h"
#include "settings/ProfileFile.h"
#include "settings/ServerRecords.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Writes the file a piece at a time, so that the bench does not hold it, until it holds at
// least `size` bytes; `piece(i)` is the text of piece i (i = 0, 1, ...) and `tail` comes last.
qint64 writeLarge(const QString& path, const QByteArray& head, qint64 size,
                  const std::function<QByteArray(qint64)>& piece, const QByteArray& tail) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(head);
    QByteArray chunk;
    for (qint64 i = 0; file.size() + chunk.size() + qint64(tail.size()) < size; ++i) {
        chunk += piece(i);
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
    file.write(tail);
    return file.size();
}

// Servers 1..n in the three sections of the list; stops when the file has `size` bytes, so
// that the server count is the same in each section.
qint64 writeServers(const QString& path, qint64 size) {
    const auto server = [](qint64 i) -> QByteArray {
        return "server" + QByteArray::number(i + 1) + "=server" + QByteArray::number(i + 1) +
               ".example.net\r\n";
    };
    const auto port = [](qint64 i) -> QByteArray {
        return "port" + QByteArray::number(i + 1) + '=' + QByteArray::number(28960 + i % 1000) +
               "\r\n";
    };
    const auto rcon = [](qint64 i) -> QByteArray {
        return "rcon" + QByteArray::number(i + 1) + "=password" + QByteArray::number(i + 1) +
               "\r\n";
    };
    qint64 count = 0;
    for (qint64 bytes = 40; bytes < size; ++count)
        bytes += server(count).size() + port(count).size() + rcon(count).size();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write("[options]\r\nsavercon=1\r\nautoqplayerint=25\r\n");
    for (const auto& [header, line] :
         {std::pair{"[servers]\r\n", std::function<QByteArray(qint64)>(server)},
          std::pair{"[ports]\r\n", std::function<QByteArray(qint64)>(port)},
          std::pair{"[rcon]\r\n", std::function<QByteArray(qint64)>(rcon)}}) {
        QByteArray chunk = header;
        for (qint64 i = 0; i < count; ++i) {
            chunk += line(i);
            if (chunk.size() > (1 << 20)) {
                file.write(chunk);
                chunk.clear();
            }
        }
        file.write(chunk);
    }
    return file.size();
}

qint64 writeUnknown(const QString& path, qint64 size) {
    QByteArray head =
        "[options]\r\nsavercon=1\r\nautoqplayerint=25\r\n[Remoteuser]\r\nuser=Admin\r\n";
    for (int set = 0; set < 3; ++set) {
        head +=
            "[set" + QByteArray::number(set) + "]\r\nname=Set " + QByteArray::number(set) + "\r\n";
        for (int m = 0; m < 20; ++m)
            head += "mess" + QByteArray::number(m) + "=Message " + QByteArray::number(m) +
                    " of the set\r\n";
    }
    head += "[history]\r\n";
    QByteArray tail;
    for (const auto& [section, key] :
         {std::pair{"servers", "server"}, std::pair{"ports", "port"}, std::pair{"rcon", "rcon"}}) {
        tail += QByteArray("[") + section + "]\r\n";
        for (int i = 1; i <= 100; ++i)
            tail += key + QByteArray::number(i) + "=value" + QByteArray::number(i) + "\r\n";
    }
    return writeLarge(
        path, head, size,
        [](qint64 i) -> QByteArray {
            return QByteArray("entry" + QByteArray::number(i) + "=").leftJustified(20, ' ') +
                   QByteArray(38, 'a' + char(i % 26)) + "\r\n";
        },
        tail);
}

struct Loaded {
    QString user;
    Options options;
    ServerRecords servers;
    MessageSets sets;
};

// Loads or rewrites the file at `path` and prints the figures; run in a program of its own.
void largeFile(const char* shape, const QString& path, bool load) {
    ProfileFile file(path);
    const double fileMiB = double(QFileInfo(path).size()) / (1 << 20);
    processmemory::resetPeak();
    const double before = processmemory::statusMiB("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    Loaded loaded;
    bool written = false;
    if (load) {
        loaded.user = readRemoteUser(file);
        loaded.options = loadOptions(file);
        loaded.servers = readServerRecords(file);
        MessageSetStore(file).load(loaded.sets);
    } else {
        written =
            file.write(QStringLiteral("options"), QStringLiteral("usequery"), QStringLiteral("1"));
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const double peak = processmemory::statusMiB("VmHWM:") - before;
    const double held = processmemory::statusMiB("VmRSS:") - before;
    std::printf("%-7s %5.1f MiB %-5s %8.1f ms  peak +%6.1f MiB (%4.1fx)  held +%6.1f MiB (%4.1fx)",
                shape, fileMiB, load ? "load" : "write", ms, peak, peak / fileMiB, held,
                held / fileMiB);
    if (load)
        std::printf("  %lld servers, %d sets\n", qlonglong(loaded.servers.size()),
                    loaded.sets.count());
    else
        std::printf("  %s\n", written ? "written" : "failed");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    // One large file: each in a program of its own, so that none inherits what another left.
    if (argc == 4) {
        largeFile(argv[1], QString::fromLocal8Bit(argv[2]), qstrcmp(argv[3], "load") == 0);
        return 0;
    }
    for (const int count : {100, 1000, 3000}) {
        ProfileFile file(folder.filePath(QStringLiteral("vostrel-%1.ini").arg(count)));
        ServerRecords records;
        for (int i = 1; i <= count; ++i)
            records << ServerRecord{QStringLiteral("server%1.example.net").arg(i),
                                    QString::number(28960 + i % 100),
                                    QStringLiteral("password%1").arg(i)};
        QElapsedTimer timer;
        timer.start();
        const bool written = writeServerRecords(file, records, 0).ok;
        const double saveMs = double(timer.nsecsElapsed()) / 1e6;

        timer.restart();
        loadOptions(file);
        const qsizetype read = readServerRecords(file).size();
        readRemoteUser(file);
        const double loadMs = double(timer.nsecsElapsed()) / 1e6;
        std::printf("%5d saved servers: load %8.1f ms (%lld read back), save %8.1f ms (%s)\n",
                    count, loadMs, qlonglong(read), saveMs, written ? "written" : "failed");
    }
    std::fflush(stdout);
    for (const char* shape : {"servers", "unknown"}) {
        for (const int mib : {16, 64}) {
            const QString path = folder.filePath(QStringLiteral("large-%1.ini").arg(mib));
            if (qstrcmp(shape, "servers") == 0)
                writeServers(path, qint64(mib) << 20);
            else
                writeUnknown(path, qint64(mib) << 20);
            for (const char* step : {"load", "write"})
                QProcess::execute(QCoreApplication::applicationFilePath(),
                                  {QString::fromLatin1(shape), path, QString::fromLatin1(step)});
            QFile::remove(path);
        }
    }
    return 0;
}
