#include "HistorySettings.h"

#include "ProfileFile.h"

namespace {

const QString kSection = QStringLiteral("history");

QString storeWord(HistorySettings::Store store) {
    switch (store) {
    case HistorySettings::Store::Postgres:
        return QStringLiteral("postgres");
    case HistorySettings::Store::Off:
        return QStringLiteral("off");
    case HistorySettings::Store::Sqlite:
        break;
    }
    return QStringLiteral("sqlite");
}

} // namespace

HistorySettings readHistorySettings(const ProfileFile& file) {
    const ProfileFile::Contents contents = file.contents();
    const auto read = [&contents](const char* key) {
        return contents.read(kSection, QLatin1String(key), {}, 256).trimmed();
    };
    HistorySettings settings;
    const QString store = read("store").toLower();
    // An unknown word keeps the default: the history is kept rather than lost.
    if (store == QLatin1String("postgres"))
        settings.store = HistorySettings::Store::Postgres;
    else if (store == QLatin1String("off"))
        settings.store = HistorySettings::Store::Off;
    settings.host = read("host");
    bool ok = false;
    const int port = read("port").toInt(&ok);
    if (ok && port > 0 && port <= 65535)
        settings.port = port;
    settings.database = read("database");
    settings.user = read("user");
    settings.password = read("password");
    return settings;
}

bool writeHistorySettings(ProfileFile& file, const HistorySettings& settings) {
    return file.write({{kSection, QStringLiteral("store"), storeWord(settings.store)},
                       {kSection, QStringLiteral("host"), settings.host},
                       {kSection, QStringLiteral("port"), QString::number(settings.port)},
                       {kSection, QStringLiteral("database"), settings.database},
                       {kSection, QStringLiteral("user"), settings.user},
                       {kSection, QStringLiteral("password"), settings.password}});
}
