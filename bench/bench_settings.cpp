// How long the settings file takes to load (options, saved servers, user prefix) and to save
// the saved-server list, with 100, 1,000 and 3,000 saved servers. Prints, asserts nothing.

#include "settings/OptionsStore.h"
#include "settings/ProfileFile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main() {
    QTemporaryDir folder;
    for (const int count : {100, 1000, 3000}) {
        ProfileFile file(folder.filePath(QStringLiteral("vostrel-%1.ini").arg(count)));
        QStringList entries, passwords;
        for (int i = 1; i <= count; ++i) {
            entries << QStringLiteral("server%1.example.net:%2").arg(i).arg(28960 + i % 100);
            passwords << QStringLiteral("password%1").arg(i);
        }
        QElapsedTimer timer;
        timer.start();
        const bool written = writeSavedServers(file, entries, passwords, 0).ok;
        const double saveMs = double(timer.nsecsElapsed()) / 1e6;

        timer.restart();
        loadOptions(file);
        const qsizetype read = readSavedServers(file).size();
        readRemoteUser(file);
        const double loadMs = double(timer.nsecsElapsed()) / 1e6;
        std::printf("%5d saved servers: load %8.1f ms (%lld read back), save %8.1f ms (%s)\n",
                    count, loadMs, qlonglong(read), saveMs, written ? "written" : "failed");
    }
    return 0;
}
