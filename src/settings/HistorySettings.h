#pragma once

#include <QString>

class ProfileFile;

// Where the team's history is kept, as section "history" of the settings file says: a SQLite
// file in the data folder (the default), a PostgreSQL server the team shares, or nowhere.
struct HistorySettings {
    enum class Store { Sqlite, Postgres, Off };
    Store store = Store::Sqlite;
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;

    friend bool operator==(const HistorySettings&, const HistorySettings&) = default;
};

HistorySettings readHistorySettings(const ProfileFile& file);
// Writes every key in one replace of the file; false when it could not be written.
bool writeHistorySettings(ProfileFile& file, const HistorySettings& settings);
