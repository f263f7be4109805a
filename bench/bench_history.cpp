// The history store under load (prints figures, asserts nothing):
//   - recording the sightings of a 64-player report: time on the calling thread, median and
//     worst over many reports, on SQLite and PostgreSQL;
//   - a search by part of a name over 1,000,000 sightings of 200,000 players, through the
//     store (call to answer), on SQLite and PostgreSQL; the history filled by multi-row inserts
//     in transactions of the bench's own connection after the store made the schema;
//   - the SQLite file's size per million sightings, and how long opening it takes;
//   - an hour of 20 servers auto-updated every 10 s (7,200 reports of about 20 players),
//     simulated with no real waiting: rows written, growth of the file, the process memory
//     before and after (Linux only).
// PostgreSQL runs in a throwaway cluster; without initdb its figures are skipped with a message.

#include "../tests/history/ThrowawayPostgres.h"
#include "ProcessMemory.h"
#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QSqlError>
#include <QThread>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kPlayers = 200000;
constexpr int kRowsPerPlayer = 5;

const char* const kSyllables[] = {"kor", "va",  "zen", "mi", "tor", "ra", "dek", "lu",
                                  "shi", "ban", "gro", "el", "fin", "ox", "pol", "ry",
                                  "sta", "ku",  "mer", "ad", "jin", "wo", "thu", "ne",
                                  "bri", "zo",  "cal", "ix", "dra", "go", "hel", "um"};
const char* const kClans[] = {"", "[=SAS=]", "{TK}", "^1|RED|^7", "<DF>", "", "", ""};

// Player p's name number n: syllables picked from p, a clan tag on some.
QString playerName(int p, int n) {
    QRandomGenerator random(quint32(p * 7 + n));
    QString name;
    const int syllables = 2 + int(random.bounded(2));
    for (int i = 0; i < syllables; ++i)
        name += QLatin1String(kSyllables[random.bounded(int(std::size(kSyllables)))]);
    name[0] = name[0].toUpper();
    if (random.bounded(3) == 0)
        name += QString::number(random.bounded(100));
    return name;
}
QString address(int p) {
    return QStringLiteral("10.%1.%2.%3").arg(p >> 16 & 255).arg(p >> 8 & 255).arg(p & 255);
}
QString guid(int p) {
    return p % 2 ? QStringLiteral("%1").arg(quint64(p) * 2654435761u, 16, 16, QLatin1Char('0'))
                 : QString(QLatin1String("")); // the column holds no NULL
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// Runs events until `done` holds.
template <typename Done> void waitFor(Done done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
}

bool openStore(HistoryStore& store, const HistoryConfig& config, double* ms = nullptr) {
    QElapsedTimer timer;
    timer.start();
    store.open(config);
    waitFor([&store] { return store.state() != HistoryStore::State::Opening; });
    if (ms)
        *ms = timer.nsecsElapsed() / 1e6;
    if (store.state() != HistoryStore::State::Ready)
        std::printf("  the store did not open: %s\n", qPrintable(store.problem()));
    return store.state() == HistoryStore::State::Ready;
}

void recordingCost(const char* backend, const HistoryConfig& config) {
    HistoryStore store;
    if (!openStore(store, config))
        return;
    QList<Sighting> report;
    for (int slot = 0; slot < 64; ++slot)
        report << Sighting{slot, playerName(slot, 0), playerName(slot, 0), address(slot),
                           guid(slot)};
    QList<double> us;
    QElapsedTimer timer;
    const QDateTime start = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < 2000; ++i) {
        timer.start();
        store.recordSightings(QStringLiteral("10.0.0.1:28960"), report, start.addSecs(10 * i));
        us << timer.nsecsElapsed() / 1e3;
        // One report at a time, as auto update sends them.
        waitFor([&store] { return store.queued() == 0; });
    }
    std::sort(us.begin(), us.end());
    std::printf("%-10s record a 64-player report, calling thread: median %.1f us, 99th "
                "percentile %.1f us, worst %.1f us (%lld reports)\n",
                backend, us[us.size() / 2], us[us.size() * 99 / 100], us.last(),
                qlonglong(us.size()));
}

// Fills the history (schema already made) with kPlayers players, kRowsPerPlayer sightings each.
bool fill(QSqlDatabase& db) {
    const qint64 base =
        QDateTime(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();
    constexpr int kPlayersPerInsert = 100;
    constexpr int kInsertsPerTransaction = 40;
    for (int p = 0; p < kPlayers;) {
        if (!db.transaction())
            return false;
        for (int statement = 0; statement < kInsertsPerTransaction && p < kPlayers; ++statement) {
            QString sql = QStringLiteral("INSERT INTO sightings (server, identity, name, "
                                         "clean_name, address, guid, slot, first_seen, "
                                         "last_seen) VALUES ");
            QVariantList values;
            for (int end = std::min(kPlayers, p + kPlayersPerInsert); p < end; ++p) {
                const QString identity = guid(p).isEmpty() ? QLatin1String("address:") + address(p)
                                                           : QLatin1String("guid:") + guid(p);
                for (int row = 0; row < kRowsPerPlayer; ++row) {
                    // Three servers under the first name, two other names on the first server.
                    const int nameNumber = row < 3 ? 0 : row - 2;
                    const QString server =
                        QStringLiteral("10.9.0.%1:28960").arg(row < 3 ? (p + row) % 20 : p % 20);
                    // The other names never equal the first, which has no '_'.
                    const QString name =
                        playerName(p, nameNumber) +
                        (nameNumber ? QLatin1Char('_') + QString::number(nameNumber) : QString());
                    const qint64 seen = base + qint64(p) * 60000 + row * 1000;
                    sql += QLatin1String(values.isEmpty() ? "" : ",") +
                           QLatin1String("(?,?,?,?,?,?,?,?,?)");
                    values << server << identity << QString(kClans[p % 8] + name) << name
                           << address(p) << guid(p) << (p % 64) << seen << seen;
                }
            }
            QSqlQuery insert(db);
            insert.prepare(sql);
            for (int i = 0; i < values.size(); ++i)
                insert.bindValue(i, values[i]);
            if (!insert.exec()) {
                std::printf("  insert failed: %s\n", qPrintable(insert.lastError().text()));
                db.rollback();
                return false;
            }
        }
        if (!db.commit())
            return false;
    }
    return true;
}

void searchCost(const char* backend, HistoryStore& store) {
    // A name part of a few players, a common part, a clan-less two-syllable part, an address.
    const QStringList parts = {QStringLiteral("korvazen"), QStringLiteral("dekra"),
                               QStringLiteral("umix"),     QStringLiteral("Shiban4"),
                               QStringLiteral("10.1.23."), QStringLiteral("ox")};
    for (const QString& part : parts) {
        QList<double> ms;
        qsizetype groups = 0;
        for (int run = 0; run < 7; ++run) {
            QEventLoop loop;
            QElapsedTimer timer;
            timer.start();
            store.searchPlayers(part, &loop, [&](const QList<AliasGroup>& found) {
                ms << timer.nsecsElapsed() / 1e6;
                groups = found.size();
                loop.quit();
            });
            loop.exec();
        }
        std::printf("%-10s search \"%s\": median %.1f ms, worst %.1f ms, %lld players found\n",
                    backend, qPrintable(part), median(ms), *std::max_element(ms.begin(), ms.end()),
                    qlonglong(groups));
    }
}

qint64 fileBytes(const QString& path) {
    return QFileInfo(path).size() + QFileInfo(path + QLatin1String("-wal")).size();
}

void bigHistory(const char* backend, const HistoryConfig& config,
                const std::function<QSqlDatabase()>& connect) {
    {
        HistoryStore store;
        if (!openStore(store, config))
            return;
    }
    QElapsedTimer timer;
    timer.start();
    {
        QSqlDatabase db = connect();
        if (config.kind == HistoryConfig::Kind::Sqlite) {
            // The fill's own connection: a cache that holds the indexes, no waits for the disk.
            QSqlQuery(db).exec(QStringLiteral("PRAGMA cache_size=-524288"));
            QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
        }
        if (!fill(db)) {
            std::printf("%-10s fill failed: %s\n", backend, qPrintable(db.lastError().text()));
            return;
        }
        QSqlQuery query(db);
        query.exec(config.kind == HistoryConfig::Kind::Sqlite
                       ? QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")
                       : QStringLiteral("VACUUM ANALYZE sightings"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    std::printf("%-10s filled %d sightings of %d players in %.1f s\n", backend,
                kPlayers * kRowsPerPlayer, kPlayers, timer.elapsed() / 1e3);
    if (config.kind == HistoryConfig::Kind::Sqlite)
        std::printf("%-10s file size per million sightings: %.1f MiB\n", backend,
                    fileBytes(config.sqlitePath) / 1048576.0 * 1e6 / (kPlayers * kRowsPerPlayer));
    HistoryStore store;
    double openMs = 0;
    if (!openStore(store, config, &openMs))
        return;
    std::printf("%-10s open of the filled history (checks included): %.0f ms\n", backend, openMs);
    searchCost(backend, store);
}

void simulatedHour(const HistoryConfig& config) {
    HistoryStore store;
    if (!openStore(store, config))
        return;
    const double memoryBefore = processmemory::statusMiB("VmRSS:");
    const qint64 sizeBefore = fileBytes(config.sqlitePath);
    QRandomGenerator random(7);
    constexpr int kServers = 20, kSlots = 20;
    // Each server's slots; a player leaves now and then and a new one takes the slot.
    QList<QList<int>> present(kServers, QList<int>(kSlots));
    int nextPlayer = 0;
    for (auto& taken : present)
        for (int& player : taken)
            player = nextPlayer++;
    const QDateTime start = QDateTime::currentDateTimeUtc();
    QElapsedTimer timer;
    timer.start();
    int reports = 0;
    for (int tick = 0; tick < 360; ++tick) {
        for (int server = 0; server < kServers; ++server) {
            QList<Sighting> seen;
            for (int slot = 0; slot < kSlots; ++slot) {
                int& player = present[server][slot];
                if (random.bounded(100) < 2)
                    player = nextPlayer++;
                const QString name = playerName(player, random.bounded(50) == 0 ? 1 : 0);
                seen << Sighting{slot, name, name, address(player), guid(player)};
            }
            store.recordSightings(QStringLiteral("10.9.0.%1:28960").arg(server), seen,
                                  start.addSecs(10 * tick));
            ++reports;
        }
        waitFor([&store] { return store.queued() == 0; });
    }
    const double seconds = timer.elapsed() / 1e3;
    store.close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hour"));
    db.setDatabaseName(config.sqlitePath);
    db.open();
    QSqlQuery rows(db);
    rows.exec(QStringLiteral("SELECT count(*) FROM sightings"));
    rows.next();
    std::printf("sqlite     an hour of 20 servers: %d reports in %.1f s, %lld sighting rows, "
                "%d players; file %.2f -> %.2f MiB; memory %.1f -> %.1f MiB\n",
                reports, seconds, rows.value(0).toLongLong(), nextPlayer, sizeBefore / 1048576.0,
                fileBytes(config.sqlitePath) / 1048576.0, memoryBefore,
                processmemory::statusMiB("VmRSS:"));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // "sqlite" or "postgres" runs only the searches over a million sightings on that database.
    const QString only = app.arguments().value(1);
    QTemporaryDir dir;
    const auto sqlite = [&dir](const QString& name) {
        HistoryConfig config;
        config.kind = HistoryConfig::Kind::Sqlite;
        config.sqlitePath = dir.filePath(name);
        return config;
    };
    ThrowawayPostgres postgres;
    if (!postgres.available())
        std::printf("postgres   skipped: %s\n", qPrintable(postgres.problem()));

    if (only.isEmpty()) {
        recordingCost("sqlite", sqlite(QStringLiteral("record.sqlite")));
        if (postgres.available())
            recordingCost("postgres", postgres.newDatabase(QStringLiteral("record")));
        simulatedHour(sqlite(QStringLiteral("hour.sqlite")));
    }

    const HistoryConfig big = sqlite(QStringLiteral("big.sqlite"));
    if (only != QLatin1String("postgres"))
        bigHistory("sqlite", big, [&big] {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
            db.setDatabaseName(big.sqlitePath);
            db.open();
            return db;
        });
    if (postgres.available() && only != QLatin1String("sqlite"))
        bigHistory("postgres", postgres.newDatabase(QStringLiteral("big")), [&postgres] {
            return postgres.connect(QStringLiteral("big"), QStringLiteral("fill"));
        });
    return 0;
}
