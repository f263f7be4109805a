#include "OptionsStore.h"

#include "ProfileFile.h"

namespace {

constexpr int kSwitchBuffer = 2;
constexpr int kNumberBuffer = 200;
constexpr int kListBuffer = 200;
constexpr int kUserBuffer = 50;

} // namespace

Options loadOptions(const ProfileFile& settings) {
    const ProfileFile::Contents file = settings.contents();
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
    o.confirmkick = flag("confirmkick", true);
    return o;
}

bool writeOptionSwitch(ProfileFile& file, const QString& key, bool on) {
    return file.write(optionkeys::section, key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

QList<SavedServer> readSavedServers(const ProfileFile& settings) {
    const ProfileFile::Contents file = settings.contents();
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
    QList<ProfileFile::Entry> keys;
    const auto put = [&keys](int n, const QString& address, const QString& port,
                             const QString& password) {
        const QString num = QString::number(n);
        keys << ProfileFile::Entry{QStringLiteral("servers"), QLatin1String("server") + num,
                                   address}
             << ProfileFile::Entry{QStringLiteral("ports"), QLatin1String("port") + num, port}
             << ProfileFile::Entry{QStringLiteral("rcon"), QLatin1String("rcon") + num, password};
    };
    int n = 0;
    for (int i = 0; i < entries.size(); ++i) {
        const qsizetype colon =
            entries[i].lastIndexOf(QLatin1Char(':')); // an IPv6 address holds colons too
        const QString address = (colon < 0 ? entries[i] : entries[i].left(colon)).trimmed();
        // An empty address would end the list for the reader and lose the servers after it.
        if (!address.isEmpty())
            put(++n, address, colon < 0 ? QString() : entries[i].mid(colon + 1),
                passwords.value(i));
    }
    while (n < previousCount)
        put(++n, {}, {}, {});
    // One replace of the file: an address never goes without its own port and password.
    ServerListWriteResult result;
    if (!file.write(keys)) {
        result.ok = false;
        result.failedPart = QStringLiteral("Server");
        result.errorCode = file.errorCode();
        result.errorDescription = file.errorDescription();
    }
    return result;
}

QString readRemoteUser(const ProfileFile& file) {
    return file.read(QStringLiteral("Remoteuser"), QStringLiteral("user"), {}, kUserBuffer);
}

bool writeRemoteUser(ProfileFile& file, const QString& user) {
    return file.write(QStringLiteral("Remoteuser"), QStringLiteral("user"), user);
}
