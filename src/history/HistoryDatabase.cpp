#include "HistoryDatabase.h"

#include "AliasGroups.h"
#include "Migrations.h"
#include "base/PrivateFiles.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QTimeZone>

#include <algorithm>

namespace {

constexpr int kConnectSeconds = 3;
constexpr int kBusyMs = 5000;
// Bounds of what one question reads.
constexpr int kMatchedRows = 200;
constexpr int kAliasRows = 5000;
constexpr int kKicksAndBans = 100;

QString nextConnectionName() {
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("vostrel-history-%1").arg(counter.fetchAndAddRelaxed(1));
}

QDateTime fromMs(const QVariant& value) {
    return QDateTime::fromMSecsSinceEpoch(value.toLongLong(), QTimeZone::utc());
}

// The server said who it is and refused us, against a server that could not be reached.
bool isRefusal(const QString& error) {
    static const char* const refusals[] = {"authentication", "does not exist", "permission denied",
                                           "no pg_hba.conf entry", "SSL"};
    return std::any_of(std::begin(refusals), std::end(refusals), [&error](const char* words) {
        return error.contains(QLatin1String(words), Qt::CaseInsensitive);
    });
}

// The columns are NOT NULL; the drivers write a null QString as NULL.
QString text(const QString& value) {
    return value.isNull() ? QString(QLatin1String("")) : value;
}

QString errorText(const QSqlError& error) {
    const QString text = error.text().simplified();
    return text.isEmpty() ? QCoreApplication::translate("HistoryDatabase", "no reason given")
                          : text;
}

} // namespace

HistoryDatabase::HistoryDatabase(const HistoryConfig& config)
    : m_config(config),
      m_dialect(config.kind == HistoryConfig::Kind::Postgres ? SqlDialect::Kind::Postgres
                                                             : SqlDialect::Kind::Sqlite),
      m_connectionName(nextConnectionName()) {}

HistoryDatabase::~HistoryDatabase() {
    close();
}

void HistoryDatabase::close() {
    m_upsertSighting.reset();
    m_insertAction.reset();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

QString HistoryDatabase::where() const {
    if (m_dialect.kind() == SqlDialect::Kind::Sqlite)
        return tr("The history file %1").arg(QDir::toNativeSeparators(m_config.sqlitePath));
    return tr("The history database \"%1\" on %2:%3")
        .arg(m_config.database, m_config.host)
        .arg(m_config.port);
}

HistoryDatabase::Opened HistoryDatabase::open(QString* message) {
    close();
    if (!QSqlDatabase::isDriverAvailable(m_dialect.driverName())) {
        *message = tr("%1 cannot be opened: this system lacks the Qt driver %2. "
                      "History is off.")
                       .arg(where(), m_dialect.driverName());
        return Opened::Failed;
    }
    if (m_dialect.kind() == SqlDialect::Kind::Sqlite) {
        const Opened checked = checkSqliteFile(message);
        if (checked != Opened::Ready)
            return checked;
    }
    const Opened connected = openConnection(message);
    if (connected != Opened::Ready)
        return connected;
    const Opened prepared = prepareSchema(message);
    if (prepared != Opened::Ready)
        close();
    return prepared;
}

// A file of this program is checked on a read-only connection before anything may write to
// it: a damaged file or one of a newer schema is left byte for byte as it was.
HistoryDatabase::Opened HistoryDatabase::checkSqliteFile(QString* message) {
    const QString path = m_config.sqlitePath;
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return Opened::Ready;
    if (!file.open(QIODevice::ReadOnly)) {
        *message = tr("%1 cannot be read (%2). History is off.").arg(where(), file.errorString());
        return Opened::Failed;
    }
    const bool sqliteHeader = file.read(16) == QByteArray("SQLite format 3", 16);
    file.close();
    const QString damaged = tr("%1 is damaged or is not a history file (%2). History "
                               "is off; the file is left as it is.");
    if (!sqliteHeader) {
        *message = damaged.arg(where(), tr("it does not start as a database"));
        return Opened::Failed;
    }
    const QString checkName = m_connectionName + QLatin1String("-check");
    Opened result = Opened::Ready;
    {
        QSqlDatabase check = QSqlDatabase::addDatabase(m_dialect.driverName(), checkName);
        check.setDatabaseName(path);
        check.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMs));
        QString error;
        int version = -1;
        if (!check.open()) {
            error = errorText(check.lastError());
        } else {
            QSqlQuery quickCheck(check);
            if (!quickCheck.exec(QStringLiteral("PRAGMA quick_check(1)")) || !quickCheck.next())
                error = errorText(quickCheck.lastError());
            else if (quickCheck.value(0).toString() != QLatin1String("ok"))
                error = quickCheck.value(0).toString();
            else
                version = migrations::schemaVersion(check, &error);
        }
        if (version < 0) {
            *message = damaged.arg(where(), error);
            result = Opened::Failed;
        } else if (version > migrations::kCurrentVersion) {
            *message = tr("%1 was written by a newer Vostrel (schema %2; this one "
                          "knows %3). History is off; the file is left as it is.")
                           .arg(where(), QString::number(version),
                                QString::number(migrations::kCurrentVersion));
            result = Opened::Failed;
        }
        check.close();
    }
    QSqlDatabase::removeDatabase(checkName);
    return result;
}

HistoryDatabase::Opened HistoryDatabase::openConnection(QString* message) {
    m_db = QSqlDatabase::addDatabase(m_dialect.driverName(), m_connectionName);
    if (m_dialect.kind() == SqlDialect::Kind::Sqlite) {
        const QString path = m_config.sqlitePath;
        if (!privatefiles::makePrivateFolderFor(path) || !privatefiles::makeOwnerOnly(path)) {
            *message = tr("%1 cannot be created. History is off.").arg(where());
            return Opened::Failed;
        }
        m_db.setDatabaseName(path);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMs));
    } else {
        m_db.setHostName(m_config.host);
        m_db.setPort(m_config.port);
        m_db.setDatabaseName(m_config.database);
        m_db.setUserName(m_config.user);
        m_db.setPassword(m_config.password);
        m_db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(kConnectSeconds));
    }
    if (m_db.open())
        return Opened::Ready;
    const QString error = errorText(m_db.lastError());
    if (m_dialect.kind() == SqlDialect::Kind::Postgres && !isRefusal(error)) {
        *message = tr("History: waiting for the database");
        return Opened::Unreachable;
    }
    *message = tr("%1 cannot be opened (%2). History is off.").arg(where(), error);
    return Opened::Failed;
}

HistoryDatabase::Opened HistoryDatabase::prepareSchema(QString* message) {
    if (m_dialect.kind() == SqlDialect::Kind::Sqlite) {
        QSqlQuery pragma(m_db);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    QString error;
    const int version = migrations::schemaVersion(m_db, &error);
    if (version < 0) {
        *message =
            tr("%1 cannot be read (%2). History is off; it is left as it is.").arg(where(), error);
        // The server went away between the connect and the question.
        return m_dialect.kind() == SqlDialect::Kind::Postgres && !answers() ? Opened::Unreachable
                                                                            : Opened::Failed;
    }
    if (version > migrations::kCurrentVersion) {
        *message = tr("%1 was written by a newer Vostrel (schema %2; this one knows "
                      "%3). History is off; the database is left as it is.")
                       .arg(where(), QString::number(version),
                            QString::number(migrations::kCurrentVersion));
        return Opened::Failed;
    }
    if (!migrations::upgrade(m_db, m_dialect, migrations::kCurrentVersion, &error)) {
        *message = tr("%1 could not be brought to schema %2 (%3). History is off.")
                       .arg(where(), QString::number(migrations::kCurrentVersion), error);
        return Opened::Failed;
    }
    m_upsertSighting.emplace(m_db);
    // A report without the address or guid of a known player leaves those as they were.
    m_upsertSighting->prepare(QStringLiteral(
        "INSERT INTO sightings (server, identity, name, clean_name, address, guid, slot, "
        "first_seen, last_seen) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
        "ON CONFLICT (server, identity, name) DO UPDATE SET clean_name = excluded.clean_name, "
        "address = CASE WHEN excluded.address <> '' THEN excluded.address "
        "ELSE sightings.address END, "
        "guid = CASE WHEN excluded.guid <> '' THEN excluded.guid ELSE sightings.guid END, "
        "slot = excluded.slot, last_seen = excluded.last_seen"));
    m_insertAction.emplace(m_db);
    m_insertAction->prepare(QStringLiteral(
        "INSERT INTO actions (at, server, operator_user, operator_prefix, kind, command, outcome, "
        "server_words, player_name, player_address, player_guid, reason) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    return Opened::Ready;
}

bool HistoryDatabase::isGuid(const QString& guid) {
    return std::any_of(guid.begin(), guid.end(), [](QChar c) { return c != u'0'; });
}

QString HistoryDatabase::identity(const Sighting& seen) {
    if (isGuid(seen.guid))
        return QLatin1String("guid:") + seen.guid;
    if (!seen.address.isEmpty())
        return QLatin1String("address:") + seen.address;
    return {};
}

bool HistoryDatabase::write(const HistoryBatch& batch, QString* error) {
    if (!m_db.isOpen() || !m_db.transaction()) {
        *error = errorText(m_db.lastError());
        return false;
    }
    bool written = true;
    for (const ActionRecord& action : batch.actions)
        written = written && writeAction(action);
    for (const SightingReport& report : batch.reports)
        written = written && writeSightings(report);
    if (written && m_db.commit())
        return true;
    const QSqlQuery* failed = &*m_upsertSighting;
    if (m_insertAction->lastError().isValid())
        failed = &*m_insertAction;
    *error = failed->lastError().isValid() ? errorText(failed->lastError())
                                           : errorText(m_db.lastError());
    m_db.rollback();
    return false;
}

bool HistoryDatabase::writeSightings(const SightingReport& report) {
    const qint64 at = report.at.toMSecsSinceEpoch();
    // One order for every writer, so that two tools writing the same rows cannot deadlock.
    QList<Sighting> seen = report.seen;
    std::sort(seen.begin(), seen.end(), [](const Sighting& a, const Sighting& b) {
        return std::pair(identity(a), a.name) < std::pair(identity(b), b.name);
    });
    QSqlQuery& query = *m_upsertSighting;
    for (const Sighting& player : seen) {
        query.bindValue(0, text(report.server));
        query.bindValue(1, text(identity(player)));
        query.bindValue(2, text(player.name));
        query.bindValue(3, text(player.cleanName));
        query.bindValue(4, text(player.address));
        query.bindValue(5, text(isGuid(player.guid) ? player.guid : QString()));
        query.bindValue(6, player.slot);
        query.bindValue(7, at);
        query.bindValue(8, at);
        if (!query.exec())
            return false;
    }
    return true;
}

bool HistoryDatabase::writeAction(const ActionRecord& action) {
    QSqlQuery& query = *m_insertAction;
    const QString texts[] = {action.server,      action.operatorUser, action.operatorPrefix,
                             action.kind,        action.command,      action.outcome,
                             action.serverWords, action.playerName,   action.playerAddress,
                             action.playerGuid,  action.reason};
    const QDateTime at = action.at.isValid() ? action.at : QDateTime::currentDateTimeUtc();
    query.bindValue(0, at.toMSecsSinceEpoch());
    for (int i = 0; i < int(std::size(texts)); ++i)
        query.bindValue(i + 1, text(texts[i]));
    return query.exec();
}

bool HistoryDatabase::answers() {
    QSqlQuery query(m_db);
    return m_db.isOpen() && query.exec(QStringLiteral("SELECT 1")) && query.next();
}

QSqlQuery HistoryDatabase::select(const QString& sql, const QVariantList& values) {
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!m_db.isOpen() || !query.prepare(sql))
        return query;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    query.exec();
    return query;
}

namespace {

// "column = ?" for each value that is given, joined by OR; the values in `bound`.
QString anyOf(const QList<std::pair<QString, QString>>& columnsAndValues, QVariantList* bound) {
    QStringList terms;
    for (const auto& [column, value] : columnsAndValues)
        if (!value.isEmpty()) {
            terms << column + QLatin1String(" = ?");
            *bound << value;
        }
    return terms.join(QLatin1String(" OR "));
}

ActionRecord actionFrom(const QSqlQuery& query) {
    return ActionRecord{
        fromMs(query.value(0)),    query.value(1).toString(),  query.value(2).toString(),
        query.value(3).toString(), query.value(4).toString(),  query.value(5).toString(),
        query.value(6).toString(), query.value(7).toString(),  query.value(8).toString(),
        query.value(9).toString(), query.value(10).toString(), query.value(11).toString()};
}

const QString kActionColumns =
    QStringLiteral("at, server, operator_user, operator_prefix, kind, command, outcome, "
                   "server_words, player_name, player_address, player_guid, reason");
const QString kRowColumns =
    QStringLiteral("s.id, s.server, s.address, s.guid, s.clean_name, s.first_seen, s.last_seen");

SightingRow rowFrom(const QSqlQuery& query) {
    return SightingRow{query.value(0).toLongLong(), query.value(1).toString(),
                       query.value(2).toString(),   query.value(3).toString(),
                       query.value(4).toString(),   fromMs(query.value(5)),
                       fromMs(query.value(6))};
}

QString placeholders(qsizetype count) {
    QStringList marks(count, QStringLiteral("?"));
    return marks.join(u',');
}

} // namespace

PlayerHistory HistoryDatabase::lookUp(const QString& address, const QString& guid,
                                      const QString& cleanName) {
    PlayerHistory history;
    const QString playerGuid = isGuid(guid) ? guid : QString();
    // Without an address or a guid, the name is all there is to go by.
    const bool byName = address.isEmpty() && playerGuid.isEmpty();
    QVariantList bound;
    const QString player =
        byName ? anyOf({{QStringLiteral("clean_name"), cleanName}}, &bound)
               : anyOf({{QStringLiteral("address"), address}, {QStringLiteral("guid"), playerGuid}},
                       &bound);
    if (player.isEmpty())
        return history;
    QSqlQuery rows = select(QStringLiteral("SELECT clean_name, first_seen, last_seen FROM "
                                           "sightings WHERE %1 ORDER BY last_seen DESC LIMIT %2")
                                .arg(player)
                                .arg(kAliasRows),
                            bound);
    while (rows.next()) {
        const QString name = rows.value(0).toString();
        if (name != cleanName && !history.otherNames.contains(name))
            history.otherNames << name;
        const QDateTime first = fromMs(rows.value(1)), last = fromMs(rows.value(2));
        if (!history.firstSeen.isValid() || first < history.firstSeen)
            history.firstSeen = first;
        if (!history.lastSeen.isValid() || last > history.lastSeen)
            history.lastSeen = last;
    }
    bound.clear();
    const QString target = byName ? anyOf({{QStringLiteral("player_name"), cleanName}}, &bound)
                                  : anyOf({{QStringLiteral("player_address"), address},
                                           {QStringLiteral("player_guid"), playerGuid}},
                                          &bound);
    QSqlQuery actions = select(QStringLiteral("SELECT %1 FROM actions WHERE kind IN ('kick', "
                                              "'ban', 'tempban') AND (%2) ORDER BY at DESC, "
                                              "id DESC LIMIT %3")
                                   .arg(kActionColumns, target)
                                   .arg(kKicksAndBans),
                               bound);
    while (actions.next())
        history.kicksAndBans << actionFrom(actions);
    return history;
}

QList<AliasGroup> HistoryDatabase::search(const QString& given) {
    const QString text = given.trimmed();
    if (text.isEmpty())
        return {};
    const SqlDialect::Condition contains = m_dialect.contains(text);
    // A text too short for the index takes the first rows the scan meets, not the newest.
    QSqlQuery matched =
        select(QStringLiteral("SELECT %1 FROM sightings s WHERE %2 %3 LIMIT %4")
                   .arg(kRowColumns, contains.sql,
                        contains.scans ? QString() : QStringLiteral("ORDER BY s.last_seen DESC"))
                   .arg(kMatchedRows),
               QVariantList(contains.values.begin(), contains.values.end()));
    QList<SightingRow> rows;
    QStringList addresses, guids;
    while (matched.next()) {
        rows << rowFrom(matched);
        if (!rows.last().address.isEmpty() && !addresses.contains(rows.last().address))
            addresses << rows.last().address;
        if (!rows.last().guid.isEmpty() && !guids.contains(rows.last().guid))
            guids << rows.last().guid;
    }
    // The other names of the players found, whatever they are.
    QStringList terms;
    QVariantList bound;
    if (!addresses.isEmpty()) {
        terms << QStringLiteral("s.address IN (%1)").arg(placeholders(addresses.size()));
        bound += QVariantList(addresses.begin(), addresses.end());
    }
    if (!guids.isEmpty()) {
        terms << QStringLiteral("s.guid IN (%1)").arg(placeholders(guids.size()));
        bound += QVariantList(guids.begin(), guids.end());
    }
    if (!terms.isEmpty()) {
        QSqlQuery aliases = select(QStringLiteral("SELECT %1 FROM sightings s WHERE %2 "
                                                  "ORDER BY s.last_seen DESC LIMIT %3")
                                       .arg(kRowColumns, terms.join(QLatin1String(" OR ")))
                                       .arg(kAliasRows),
                                   bound);
        while (aliases.next())
            rows << rowFrom(aliases);
    }
    return groupAliases(rows);
}

QList<ActionRecord> HistoryDatabase::actions(const ActionFilter& filter) {
    QStringList terms = {QStringLiteral("1 = 1")};
    QVariantList bound;
    const std::pair<QString, QString> exact[] = {
        {QStringLiteral("server"), filter.server},
        {QStringLiteral("operator_user"), filter.operatorUser},
        {QStringLiteral("kind"), filter.kind}};
    for (const auto& [column, value] : exact)
        if (!value.isEmpty()) {
            terms << column + QLatin1String(" = ?");
            bound << value;
        }
    if (filter.from.isValid()) {
        terms << QStringLiteral("at >= ?");
        bound << filter.from.toMSecsSinceEpoch();
    }
    if (filter.to.isValid()) {
        terms << QStringLiteral("at <= ?");
        bound << filter.to.toMSecsSinceEpoch();
    }
    QSqlQuery query = select(QStringLiteral("SELECT %1 FROM actions WHERE %2 ORDER BY at DESC, "
                                            "id DESC LIMIT %3")
                                 .arg(kActionColumns, terms.join(QLatin1String(" AND ")))
                                 .arg(qMax(0, filter.limit)),
                             bound);
    QList<ActionRecord> found;
    while (query.next())
        found << actionFrom(query);
    return found;
}
