#include "HistorySetup.h"

#include <QDir>

HistoryConfig historyConfigFor(const HistorySettings& settings, const FileLocations& files) {
    HistoryConfig config;
    switch (settings.store) {
    case HistorySettings::Store::Off:
        return config;
    case HistorySettings::Store::Sqlite:
        config.kind = HistoryConfig::Kind::Sqlite;
        config.sqlitePath = QDir(files.dataFolder).filePath(QLatin1String(kHistoryFileName));
        return config;
    case HistorySettings::Store::Postgres:
        config.kind = HistoryConfig::Kind::Postgres;
        config.host = settings.host;
        config.port = settings.port;
        config.database = settings.database;
        config.user = settings.user;
        config.password = settings.password;
        return config;
    }
    return config;
}
