#include "ServerRecords.h"

#include "OptionsStore.h"
#include "ProfileFile.h"

#include <QCoreApplication>

namespace {

constexpr int kListBuffer = 200;
// The buffers the options reader gives the single start-up server.
constexpr int kSwitchBuffer = 2;
constexpr int kAutoServerBuffer = 30;
constexpr int kAutoPortBuffer = 7;
constexpr int kAutoPasswordBuffer = 20;

const QString kServers = QStringLiteral("servers");
const QString kPorts = QStringLiteral("ports");
const QString kPasswords = QStringLiteral("rcon");
const QString kNames = QStringLiteral("names");
const QString kStartup = QStringLiteral("startup");

bool samePort(const QString& a, const QString& b) {
    bool aNumber = false;
    bool bNumber = false;
    const uint aValue = a.trimmed().toUInt(&aNumber);
    const uint bValue = b.trimmed().toUInt(&bNumber);
    return aNumber && bNumber ? aValue == bValue : a.trimmed() == b.trimmed();
}

// The start-up server of a file written before the list had records.
void adoptStartupOption(const ProfileFile::Contents& file, ServerRecords& records) {
    const QString& options = optionkeys::section;
    if (!profile::toSwitch(file.read(options, QStringLiteral("autoconnect"), {}, kSwitchBuffer),
                           false))
        return;
    records = withStartupServer(
        records, true,
        file.read(options, QStringLiteral("autoconnectserv"), {}, kAutoServerBuffer).trimmed(),
        file.read(options, QStringLiteral("autoconnectport"), {}, kAutoPortBuffer),
        file.read(options, QStringLiteral("autoconnectrcon"), {}, kAutoPasswordBuffer));
}

} // namespace

ServerRecords withStartupServer(ServerRecords records, bool connect, const QString& address,
                                const QString& port, const QString& password) {
    if (address.isEmpty())
        return records;
    for (ServerRecord& record : records) {
        if (record.address.trimmed().compare(address, Qt::CaseInsensitive) == 0 &&
            samePort(record.port, port)) {
            record.connectAtStart = connect;
            return records;
        }
    }
    if (connect)
        records << ServerRecord{address, port, password, {}, true};
    return records;
}

ServerRecords readServerRecords(const ProfileFile& settings) {
    const ProfileFile::Contents file = settings.contents();
    ServerRecords records;
    for (int n = 1;; ++n) {
        const QString num = QString::number(n);
        ServerRecord r;
        r.address = file.read(kServers, QLatin1String("server") + num, {}, kListBuffer);
        if (r.address.isEmpty())
            break;
        r.port = file.read(kPorts, QLatin1String("port") + num, {}, kListBuffer);
        r.password = file.read(kPasswords, QLatin1String("rcon") + num, {}, kListBuffer);
        r.name = file.read(kNames, QLatin1String("name") + num, {}, kListBuffer);
        r.connectAtStart = profile::toSwitch(
            file.read(kStartup, QLatin1String("connect") + num, {}, kSwitchBuffer), false);
        records << r;
    }
    // The writer always leaves connect1 set, so its absence means an older writer.
    if (file.read(kStartup, QStringLiteral("connect1")).isEmpty())
        adoptStartupOption(file, records);
    return records;
}

ServerListWriteResult writeServerRecords(ProfileFile& file, const ServerRecords& records,
                                         int previousCount) {
    QList<ProfileFile::Entry> keys;
    const auto put = [&keys](int n, const ServerRecord& r, const QString& connect) {
        const QString num = QString::number(n);
        keys << ProfileFile::Entry{kServers, QLatin1String("server") + num, r.address}
             << ProfileFile::Entry{kPorts, QLatin1String("port") + num, r.port}
             << ProfileFile::Entry{kPasswords, QLatin1String("rcon") + num, r.password}
             << ProfileFile::Entry{kNames, QLatin1String("name") + num, r.name}
             << ProfileFile::Entry{kStartup, QLatin1String("connect") + num, connect};
    };
    int n = 0;
    for (ServerRecord r : records) {
        r.address = r.address.trimmed();
        if (!r.address.isEmpty())
            put(++n, r, r.connectAtStart ? QStringLiteral("1") : QStringLiteral("0"));
    }
    // connect1 stays set even for an empty list: it tells the reader that the legacy start-up
    // options no longer describe the list.
    for (int blank = n; blank < qMax(previousCount, 1); ++blank)
        put(blank + 1, {}, blank == 0 ? QStringLiteral("0") : QString());
    ServerListWriteResult result;
    if (!file.write(keys)) {
        result.ok = false;
        result.failedPart = QCoreApplication::translate("ServerRecords", "Server");
        result.errorCode = file.errorCode();
        result.errorDescription = file.errorDescription();
    }
    return result;
}
