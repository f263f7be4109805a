#include "OptionsStore.h"

#include "ProfileFile.h"

namespace {

constexpr int kSwitchBuffer = 2;
constexpr int kNumberBuffer = 200;
constexpr int kListBuffer = 200;
constexpr int kUserBuffer = 50;

} // namespace

Options loadOptions(const ProfileFile& file) {
    const QString& section = optionkeys::section;
    Options o;
    auto flag = [&](const char* key, bool def) {
        return profile::toSwitch(file.read(section, QLatin1String(key), {}, kSwitchBuffer), def);
    };
    auto number = [&](const char* key, qint16 def) {
        const QString value = file.read(section, QLatin1String(key), {}, kNumberBuffer);
        return value.isEmpty() ? def : profile::toNumber(value);
    };
    auto text = [&](const char* key, int buffer) {
        return file.read(section, QLatin1String(key), {}, buffer);
    };
    o.savercon = flag("savercon", true);
    o.savemessages = flag("savemessages", true);
    o.clearrconnew = flag("clearrconnew", true);
    o.clearmessnew = flag("clearmessnew", true);
    o.removeid = flag("removeid", true);
    o.usequery = flag("usequery", false);
    o.autoqplayer = flag("autoqplayer", false);
    o.autoqplayerint = number("autoqplayerint", 10);
    o.autokick999 = flag("autokick999", false);
    o.autokick999int = number("autokick999int", 3);
    o.autoconnect = flag("autoconnect", false);
    o.autoconnectserv = text("autoconnectserv", 30);
    o.autoconnectport = text("autoconnectport", 7);
    o.autoconnectrcon = text("autoconnectrcon", 20);
    o.automessage = flag("automessage", false);
    o.messageset = number("messageset", 1);
    o.messagetime = number("messagetime", 3);
    return o;
}

QList<SavedServer> readSavedServers(const ProfileFile& file) {
    QList<SavedServer> servers;
    for (int n = 1;; ++n) {
        const QString num = QString::number(n);
        SavedServer s;
        s.address =
            file.read(QStringLiteral("servers"), QLatin1String("server") + num, {}, kListBuffer);
        if (s.address.isEmpty())
            break;
        s.port = file.read(QStringLiteral("ports"), QLatin1String("port") + num, {}, kListBuffer);
        s.password =
            file.read(QStringLiteral("rcon"), QLatin1String("rcon") + num, {}, kListBuffer);
        servers << s;
    }
    return servers;
}

ServerListWriteResult writeSavedServers(ProfileFile& file, const QStringList& entries,
                                        const QStringList& passwords, int previousCount) {
    ServerListWriteResult result;
    auto put = [&](const char* section, const char* key, int n, const QString& value,
                   const char* part) {
        if (!result.ok)
            return;
        if (!file.write(QLatin1String(section), QLatin1String(key) + QString::number(n), value)) {
            result.ok = false;
            result.failedPart = QLatin1String(part);
            result.errorCode = file.errorCode();
            result.errorDescription = file.errorDescription();
        }
    };
    for (int i = 0; i < entries.size() && result.ok; ++i) {
        const QString& entry = entries[i];
        const qsizetype colon =
            entry.lastIndexOf(QLatin1Char(':')); // an IPv6 address holds colons too
        const QString address = colon < 0 ? entry : entry.left(colon);
        const QString port = colon < 0 ? QString() : entry.mid(colon + 1);
        put("servers", "server", i + 1, address, "Server");
        put("ports", "port", i + 1, port, "Port");
        put("rcon", "rcon", i + 1, passwords.value(i), "Rcon");
    }
    for (int n = int(entries.size()) + 1; n <= previousCount && result.ok; ++n) {
        put("servers", "server", n, {}, "Server");
        put("ports", "port", n, {}, "Port");
        put("rcon", "rcon", n, {}, "Rcon");
    }
    return result;
}

QString readRemoteUser(const ProfileFile& file) {
    return file.read(QStringLiteral("Remoteuser"), QStringLiteral("user"), {}, kUserBuffer);
}

bool writeRemoteUser(ProfileFile& file, const QString& user) {
    return file.write(QStringLiteral("Remoteuser"), QStringLiteral("user"), user);
}
