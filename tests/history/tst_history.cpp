#include "ThrowawayPostgres.h"
#include "base/WaitClock.h"
#include "history/ActionsCsv.h"
#include "history/HistoryQueue.h"
#include "history/HistoryStore.h"
#include "history/Migrations.h"
#include "support/Harness.h"

#include <QSqlError>
#include <QTest>
#include <QTimeZone>

#include <optional>

namespace {

constexpr int kWaitMs = 20000;

QDateTime at(int minute) {
    return QDateTime(QDate(2026, 5, 1), QTime(12, minute), QTimeZone::utc());
}

ActionRecord action(const QString& kind, const QString& server, const QString& operatorUser,
                    int minute, const QString& outcome = QStringLiteral("taken")) {
    ActionRecord record;
    record.at = at(minute);
    record.server = server;
    record.operatorUser = operatorUser;
    record.kind = kind;
    record.command = kind + QLatin1String(" 3");
    record.outcome = outcome;
    record.playerName = QStringLiteral("Sniper");
    record.playerAddress = QStringLiteral("10.0.0.1");
    return record;
}

// Waits for the store's answer to one question.
template <typename Result, typename Ask> std::optional<Result> answer(Ask ask) {
    std::optional<Result> got;
    QObject context;
    ask(&context, [&got](const Result& result) { got = result; });
    return QTest::qWaitFor([&got] { return got.has_value(); }, kWaitMs) ? got : std::nullopt;
}

} // namespace

// The history store, the same cases on SQLite and on a throwaway PostgreSQL cluster.
class TestHistory : public QObject {
    Q_OBJECT

private:
    ThrowawayPostgres m_postgres;
    QTemporaryDir m_dir;
    int m_databases = 0;

    void backends() {
        QTest::addColumn<HistoryConfig::Kind>("backend");
        QTest::newRow("sqlite") << HistoryConfig::Kind::Sqlite;
        QTest::newRow("postgres") << HistoryConfig::Kind::Postgres;
    }
    // A new empty history on the backend; empty when the backend cannot be had.
    std::optional<HistoryConfig> fresh(HistoryConfig::Kind backend) {
        const QString name = QStringLiteral("history%1").arg(++m_databases);
        if (backend == HistoryConfig::Kind::Postgres)
            return m_postgres.available() ? std::optional(m_postgres.newDatabase(name))
                                          : std::nullopt;
        HistoryConfig config;
        config.kind = backend;
        config.sqlitePath = m_dir.filePath(name + QLatin1String("/history.sqlite"));
        return config;
    }
    // A connection of the test's own to the history.
    QSqlDatabase connect(const HistoryConfig& config) {
        if (config.kind == HistoryConfig::Kind::Postgres)
            return m_postgres.connect(config.database, config.database);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), config.sqlitePath);
        db.setDatabaseName(config.sqlitePath);
        db.open();
        return db;
    }
    static qint64 count(QSqlDatabase& db, const QString& sql) {
        QSqlQuery query(db);
        return query.exec(sql) && query.next() ? query.value(0).toLongLong() : -1;
    }

private slots:
    void initTestCase() { WaitClock::instance().setSecondMs(Harness::kSecondMs); }

    void sightingsAliasesAndSearch_data() { backends(); }
    void sightingsAliasesAndSearch() {
        QFETCH(HistoryConfig::Kind, backend);
        const auto config = fresh(backend);
        if (!config)
            QSKIP(qPrintable(m_postgres.problem()));
        HistoryStore store;
        store.open(*config);
        const Sighting sniper{3, QStringLiteral("^1Sni^7per"), QStringLiteral("Sniper"),
                              QStringLiteral("10.0.0.1"), QStringLiteral("0")};
        Sighting sniperAgain = sniper;
        sniperAgain.slot = 5;
        const Sighting renamed{5,
                               QStringLiteral("Sniper2"),
                               QStringLiteral("Sniper2"),
                               QStringLiteral("10.0.0.1"),
                               {}};
        const Sighting foo{1, QStringLiteral("Foo"), QStringLiteral("Foo"),
                           QStringLiteral("10.0.0.7"), QStringLiteral("abc123")};
        const Sighting bar{1, QStringLiteral("Bar"), QStringLiteral("Bar"),
                           QStringLiteral("10.0.0.8"), QStringLiteral("abc123")};
        store.recordSightings(QStringLiteral("a:28960"), {sniper, foo}, at(0));
        store.recordSightings(QStringLiteral("a:28960"), {sniperAgain}, at(10));
        store.recordSightings(QStringLiteral("b:28960"), {renamed, bar}, at(20));
        QTRY_COMPARE_WITH_TIMEOUT(store.state(), HistoryStore::State::Ready, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(store.queued(), 0, kWaitMs);
        {
            QSqlDatabase db = connect(*config);
            QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM sightings")), 4);
            QCOMPARE(count(db, QStringLiteral("SELECT slot FROM sightings WHERE name = "
                                              "'^1Sni^7per'")),
                     5);
            QCOMPARE(count(db, QStringLiteral("SELECT max(version) FROM schema_version")),
                     migrations::kCurrentVersion);
        }

        const auto byAddress = answer<PlayerHistory>([&](QObject* context, auto done) {
            store.lookUpPlayer(QStringLiteral("10.0.0.1"), {}, QStringLiteral("Sniper"), context,
                               done);
        });
        QVERIFY(byAddress);
        QCOMPARE(byAddress->otherNames, QStringList{QStringLiteral("Sniper2")});
        QCOMPARE(byAddress->firstSeen, at(0));
        QCOMPARE(byAddress->lastSeen, at(20));
        const auto byGuid = answer<PlayerHistory>([&](QObject* context, auto done) {
            store.lookUpPlayer(QStringLiteral("10.0.0.8"), QStringLiteral("abc123"),
                               QStringLiteral("Bar"), context, done);
        });
        QVERIFY(byGuid);
        QCOMPARE(byGuid->otherNames, QStringList{QStringLiteral("Foo")});

        // A part of one name finds the player with all names; a two-letter part scans.
        for (const QString& part : {QStringLiteral("NIPER"), QStringLiteral("ar"),
                                    QStringLiteral("10.0.0.7"), QStringLiteral("zz%")}) {
            const auto groups = answer<QList<AliasGroup>>(
                [&](QObject* context, auto done) { store.searchPlayers(part, context, done); });
            QVERIFY(groups);
            QStringList found;
            for (const AliasGroup& group : *groups)
                found << group.names.join(u'+') + u'@' + group.servers.join(u'+');
            const QStringList expected =
                part == QLatin1String("NIPER")
                    ? QStringList{QStringLiteral("Sniper2+Sniper@b:28960+a:28960")}
                : part == QLatin1String("zz%")
                    ? QStringList{}
                    : QStringList{QStringLiteral("Bar+Foo@b:28960+a:28960")};
            QCOMPARE(found, expected);
        }
    }

    void actionsAndFilter_data() { backends(); }
    void actionsAndFilter() {
        QFETCH(HistoryConfig::Kind, backend);
        const auto config = fresh(backend);
        if (!config)
            QSKIP(qPrintable(m_postgres.problem()));
        HistoryStore store;
        store.open(*config);
        const QString a = QStringLiteral("a:28960"), b = QStringLiteral("b:28960");
        ActionRecord refused =
            action(QStringLiteral("ban"), a, QStringLiteral("ann"), 2, QStringLiteral("refused"));
        refused.serverWords = QStringLiteral("unknown command: banUser");
        store.recordAction(action(QStringLiteral("kick"), a, QStringLiteral("ann"), 1));
        store.recordAction(refused);
        store.recordAction(action(QStringLiteral("tell"), a, QStringLiteral("bob"), 3));
        store.recordAction(action(QStringLiteral("tempban"), b, QStringLiteral("bob"), 4,
                                  QStringLiteral("no answer")));
        QTRY_COMPARE_WITH_TIMEOUT(store.queued(), 0, kWaitMs);

        struct Case {
            ActionFilter filter;
            QStringList kinds; // newest first
        };
        const Case cases[] = {
            {{}, {"tempban", "tell", "ban", "kick"}},
            {{a, {}, {}, {}, {}}, {"tell", "ban", "kick"}},
            {{{}, QStringLiteral("bob"), {}, {}, {}}, {"tempban", "tell"}},
            {{{}, {}, QStringLiteral("ban"), {}, {}}, {"ban"}},
            {{{}, {}, {}, at(2), at(3)}, {"tell", "ban"}},
            {{{}, {}, {}, {}, {}, 2}, {"tempban", "tell"}},
        };
        // The answer to a caller that is gone is dropped; answers come in the order asked.
        bool called = false;
        {
            QObject gone;
            store.findActions({}, &gone, [&called](const QList<ActionRecord>&) { called = true; });
        }
        for (const Case& c : cases) {
            const auto found = answer<QList<ActionRecord>>(
                [&](QObject* context, auto done) { store.findActions(c.filter, context, done); });
            QVERIFY(found);
            QStringList kinds;
            for (const ActionRecord& record : *found)
                kinds << record.kind;
            QCOMPARE(kinds, c.kinds);
        }
        QVERIFY(!called);
        const auto history = answer<PlayerHistory>([&](QObject* context, auto done) {
            store.lookUpPlayer(QStringLiteral("10.0.0.1"), {}, QStringLiteral("Sniper"), context,
                               done);
        });
        QVERIFY(history);
        QCOMPARE(history->kicksAndBans.size(), 3);
        const ActionRecord& ban = history->kicksAndBans[1];
        QCOMPARE(ban.at, at(2));
        QCOMPARE(ban.outcome, QStringLiteral("refused"));
        QCOMPARE(ban.serverWords, refused.serverWords);
    }

    // A history of the schema before, with rows in it, opened by this build.
    void upgradeFromPreviousSchema_data() { backends(); }
    void upgradeFromPreviousSchema() {
        QFETCH(HistoryConfig::Kind, backend);
        const auto config = fresh(backend);
        if (!config)
            QSKIP(qPrintable(m_postgres.problem()));
        const SqlDialect dialect(backend == HistoryConfig::Kind::Postgres
                                     ? SqlDialect::Kind::Postgres
                                     : SqlDialect::Kind::Sqlite);
        if (backend == HistoryConfig::Kind::Sqlite)
            QVERIFY(QDir().mkpath(QFileInfo(config->sqlitePath).absolutePath()));
        {
            QSqlDatabase db = connect(*config);
            QString error;
            QVERIFY2(migrations::upgrade(db, dialect, migrations::kCurrentVersion - 1, &error),
                     qPrintable(error));
            QSqlQuery(db).exec(QStringLiteral(
                "INSERT INTO sightings (server, identity, name, clean_name, address, guid, slot, "
                "first_seen, last_seen) VALUES ('a:28960', 'address:10.0.0.9', 'OldTimer', "
                "'OldTimer', '10.0.0.9', '', 2, 1000, 2000)"));
        }
        QSqlDatabase::removeDatabase(backend == HistoryConfig::Kind::Postgres ? config->database
                                                                              : config->sqlitePath);
        HistoryStore store;
        store.open(*config);
        QTRY_COMPARE_WITH_TIMEOUT(store.state(), HistoryStore::State::Ready, kWaitMs);
        const auto groups = answer<QList<AliasGroup>>([&](QObject* context, auto done) {
            store.searchPlayers(QStringLiteral("dTim"), context, done);
        });
        QVERIFY(groups);
        QCOMPARE(groups->size(), 1);
        QCOMPARE(groups->first().names, QStringList{QStringLiteral("OldTimer")});
        QCOMPARE(groups->first().lastSeen.toMSecsSinceEpoch(), 2000);
        QSqlDatabase db = connect(*config);
        QCOMPARE(count(db, backend == HistoryConfig::Kind::Postgres
                               ? QStringLiteral("SELECT count(*) FROM pg_indexes WHERE indexname = "
                                                "'sightings_clean_name_trgm'")
                               : QStringLiteral("SELECT count(*) FROM sightings_search WHERE "
                                                "sightings_search MATCH 'Timer'")),
                 1);
    }

    // Records made while the server is down are written when it is back.
    void waitsForStoppedServer() {
        const auto config = fresh(HistoryConfig::Kind::Postgres);
        if (!config)
            QSKIP(qPrintable(m_postgres.problem()));
        HistoryStore store;
        store.open(*config);
        QTRY_COMPARE_WITH_TIMEOUT(store.state(), HistoryStore::State::Ready, kWaitMs);
        QVERIFY2(m_postgres.stop(), qPrintable(m_postgres.problem()));
        const Sighting seen{
            1, QStringLiteral("Ghost"), QStringLiteral("Ghost"), QStringLiteral("10.0.0.3"), {}};
        for (int minute = 0; minute < 30; ++minute) {
            store.recordAction(action(QStringLiteral("kick"), QStringLiteral("a:28960"),
                                      QStringLiteral("ann"), minute));
            store.recordSightings(QStringLiteral("a:28960"), {seen}, at(minute));
        }
        QTRY_COMPARE_WITH_TIMEOUT(store.state(), HistoryStore::State::Waiting, kWaitMs);
        QCOMPARE(store.problem(), QStringLiteral("History: waiting for the database"));
        QVERIFY(store.queued() > 0);
        QVERIFY2(m_postgres.start(), qPrintable(m_postgres.problem()));
        QTRY_COMPARE_WITH_TIMEOUT(store.state(), HistoryStore::State::Ready, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(store.queued(), 0, kWaitMs);
        QSqlDatabase db = connect(*config);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM actions")), 30);
        QCOMPARE(count(db, QStringLiteral("SELECT last_seen FROM sightings")),
                 at(29).toMSecsSinceEpoch());
    }

    // A file this build must not use is left byte for byte as it was.
    void refusesFile_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("newer schema")
            << "newer"
            << "was written by a newer Vostrel (schema 7; this one knows 2)";
        QTest::newRow("not a database") << "text"
                                        << "is damaged or is not a history file";
        QTest::newRow("damaged page") << "page"
                                      << "is damaged or is not a history file";
    }
    void refusesFile() {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        const HistoryConfig config = *fresh(HistoryConfig::Kind::Sqlite);
        {
            HistoryStore store;
            store.open(config);
            for (int i = 0; i < 400; ++i)
                store.recordAction(action(QStringLiteral("kick"), QStringLiteral("a:28960"),
                                          QStringLiteral("ann"), i % 60));
            QTRY_COMPARE_WITH_TIMEOUT(store.queued(), 0, kWaitMs);
        }
        if (damage == QLatin1String("newer")) {
            {
                QSqlDatabase db = connect(config);
                QSqlQuery(db).exec(QStringLiteral("UPDATE schema_version SET version = 7"));
                // Out of WAL, so that switching it back would show in its bytes.
                QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
            }
            QSqlDatabase::removeDatabase(config.sqlitePath);
        }
        QFile file(config.sqlitePath);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (damage == QLatin1String("text"))
            file.write("name,address\nSniper,10.0.0.1\n");
        if (damage == QLatin1String("page")) {
            QVERIFY(file.seek(file.size() / 2));
            file.write(QByteArray(4096, '\x5a'));
        }
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        HistoryStore store;
        store.open(config);
        QTRY_COMPARE_WITH_TIMEOUT(store.state(), HistoryStore::State::Failed, kWaitMs);
        QVERIFY2(store.problem().contains(message), qPrintable(store.problem()));
        QVERIFY(store.problem().contains(QDir::toNativeSeparators(config.sqlitePath)));
        store.recordAction(action(QStringLiteral("kick"), {}, {}, 0));
        QCOMPARE(store.queued(), 0);
        store.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // Past its bound the queue lets the oldest sightings go first and keeps the actions.
    void queueBound() {
        HistoryQueue queue(5);
        const Sighting seen{1, QStringLiteral("A"), QStringLiteral("A"), {}, {}};
        queue.add(SightingReport{QStringLiteral("a"), at(0), {seen, seen, seen}});
        queue.add(action(QStringLiteral("kick"), {}, {}, 1));
        queue.add(action(QStringLiteral("ban"), {}, {}, 2));
        queue.add(SightingReport{QStringLiteral("b"), at(3), {seen, seen}});
        QCOMPARE(queue.queued(), 5);
        QCOMPARE(queue.dropped(), 2);
        queue.add(SightingReport{QStringLiteral("c"), at(4), {seen, seen, seen, seen, seen}});
        const HistoryBatch batch = queue.take(100);
        QCOMPARE(batch.actions.size(), 2u);
        QCOMPARE(batch.reports.size(), 1u);
        QCOMPARE(batch.reports.front().server, QStringLiteral("c"));
        QCOMPARE(batch.records(), 5);
    }

    void csv() {
        ActionRecord record =
            action(QStringLiteral("tell"), QStringLiteral("a:28960"), QStringLiteral("ann"), 5);
        record.command = QStringLiteral("tell 3 \"hi, there\"");
        record.reason = QStringLiteral("=HYPERLINK(\"x\")");
        record.serverWords = QStringLiteral("line\nbreak");
        record.playerName = QStringLiteral("Żółw-1");
        const QList<QByteArray> lines = actionsCsv({record}).split('\n');
        QCOMPARE(lines.size(), 4); // header, a row with a break in a cell, the end
        QVERIFY(lines[0].startsWith("Time (UTC),Server,"));
        QCOMPARE(lines[1] + '\n' + lines[2],
                 QStringLiteral("2026-05-01T12:05:00Z,a:28960,ann,,tell,\"tell 3 \"\"hi, "
                                "there\"\"\",taken,\"line\nbreak\",Żółw-1,10.0.0.1,,"
                                "\"'=HYPERLINK(\"\"x\"\")\"\r")
                     .toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
