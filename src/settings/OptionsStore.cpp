#include "OptionsStore.h"

#include "ProfileFile.h"

namespace {

constexpr int kSwitchBuffer = 2;
constexpr int kNumberBuffer = 200;
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

QString readRemoteUser(const ProfileFile& file) {
    return file.read(QStringLiteral("Remoteuser"), QStringLiteral("user"), {}, kUserBuffer);
}

bool writeRemoteUser(ProfileFile& file, const QString& user) {
    return file.write(QStringLiteral("Remoteuser"), QStringLiteral("user"), user);
}
