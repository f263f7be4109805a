#include "SqlDialect.h"

QString SqlDialect::driverName() const {
    return m_kind == Kind::Sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
}

QString SqlDialect::autoIdColumn() const {
    return m_kind == Kind::Sqlite ? QStringLiteral("INTEGER PRIMARY KEY")
                                  : QStringLiteral("BIGSERIAL PRIMARY KEY");
}

QStringList SqlDialect::searchIndexStatements() const {
    if (m_kind == Kind::Postgres)
        return {
            QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_trgm"),
            QStringLiteral("CREATE INDEX sightings_clean_name_trgm ON sightings "
                           "USING gin (clean_name gin_trgm_ops)"),
            // pg_trgm splits words at dots and colons, which leaves an address only
            // trigrams of one to three digits: letters in their place keep it one word.
            QStringLiteral("CREATE INDEX sightings_address_trgm ON sightings "
                           "USING gin (translate(address, '.:', 'xy') gin_trgm_ops)"),
        };
    // The index keeps no copy of the text; triggers follow the table. A sighting's last
    // sight changes at every report, so only a new name or address touches the index.
    return {
        QStringLiteral("CREATE VIRTUAL TABLE sightings_search USING fts5(clean_name, address, "
                       "content='sightings', content_rowid='id', tokenize='trigram')"),
        QStringLiteral("CREATE TRIGGER sightings_search_insert AFTER INSERT ON sightings BEGIN "
                       "INSERT INTO sightings_search(rowid, clean_name, address) "
                       "VALUES (new.id, new.clean_name, new.address); END"),
        QStringLiteral("CREATE TRIGGER sightings_search_delete AFTER DELETE ON sightings BEGIN "
                       "INSERT INTO sightings_search(sightings_search, rowid, clean_name, address) "
                       "VALUES ('delete', old.id, old.clean_name, old.address); END"),
        QStringLiteral("CREATE TRIGGER sightings_search_update AFTER UPDATE OF clean_name, address "
                       "ON sightings WHEN old.clean_name IS NOT new.clean_name "
                       "OR old.address IS NOT new.address BEGIN "
                       "INSERT INTO sightings_search(sightings_search, rowid, clean_name, address) "
                       "VALUES ('delete', old.id, old.clean_name, old.address); "
                       "INSERT INTO sightings_search(rowid, clean_name, address) "
                       "VALUES (new.id, new.clean_name, new.address); END"),
        QStringLiteral("INSERT INTO sightings_search(sightings_search) VALUES ('rebuild')"),
    };
}

QStringList SqlDialect::beginSchemaChange() const {
    if (m_kind == Kind::Sqlite)
        return {QStringLiteral("BEGIN IMMEDIATE")};
    // Two tools of a team that start at once must not both build the same tables.
    return {QStringLiteral("BEGIN"), QStringLiteral("SELECT pg_advisory_xact_lock(7305118)")};
}

SqlDialect::Condition SqlDialect::contains(const QString& text) const {
    const QString pattern = likePattern(text);
    const bool scans = text.size() < kTrigram;
    if (m_kind == Kind::Postgres)
        return {QStringLiteral("(s.clean_name ILIKE ? OR translate(s.address, '.:', 'xy') "
                               "LIKE translate(?, '.:', 'xy'))"),
                {pattern, pattern},
                scans};
    if (scans)
        return {QStringLiteral("(s.clean_name LIKE ? ESCAPE '\\' OR s.address LIKE ? ESCAPE '\\')"),
                {pattern, pattern},
                true};
    // One phrase, whatever the operator typed.
    const QString phrase = u'"' + QString(text).replace(u'"', QLatin1String("\"\"")) + u'"';
    return {QStringLiteral("s.id IN (SELECT rowid FROM sightings_search "
                           "WHERE sightings_search MATCH ?)"),
            {phrase}};
}

QString SqlDialect::likePattern(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            escaped += u'\\';
        escaped += c;
    }
    return u'%' + escaped + u'%';
}
