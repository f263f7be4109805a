#include "players/StatusParser.h"
#include "simserver/SimServer.h"

#include <QTest>

Q_DECLARE_METATYPE(StatusRow)

namespace {

const QString kHead = QStringLiteral(
    "map: mp_harbor\n"
    "num score ping guid   name            lastmsg address               qport rate\n"
    "--- ----- ---- ------ --------------- ------- --------------------- ----- -----\n");

SimPlayer player(int num, const QString& name, const QString& ping = QStringLiteral("50")) {
    const QString guid = QString::number(100000 + num);
    const QString address = QStringLiteral("192.0.2.%1:%2").arg(num).arg(28960 + num);
    return {num, num * 3 - 7, ping, guid, name, num * 50, address, 1000 + num, 25000};
}

// The report as the server prints it, before the channel collapses blanks.
QString printed(const QList<SimPlayer>& players) {
    QString text = kHead;
    for (const SimPlayer& p : players)
        text += SimServer::statusLine(p);
    return text + u'\n';
}

// What the players' lines must give back: every field as set, the names with their colours.
QList<StatusRow> rowsOf(const QList<SimPlayer>& players) {
    const auto n = [](int v) { return QString::number(v); };
    QList<StatusRow> rows;
    for (const SimPlayer& p : players)
        rows << StatusRow{n(p.num),     n(p.score), p.ping,     p.guid,   p.name,
                          n(p.lastmsg), p.address,  n(p.qport), n(p.rate)};
    return rows;
}

// The channel collapses runs of blanks one datagram at a time.
QString collectedInDatagrams(const QString& text, int bytes) {
    QString collected;
    for (qsizetype at = 0; at < text.size(); at += bytes) {
        QString piece = text.mid(at, bytes);
        while (piece.contains(QLatin1String("  ")))
            piece.replace(QLatin1String("  "), QLatin1String(" "));
        collected += piece;
    }
    return collected;
}

} // namespace

class TestStatusParser : public QObject {
    Q_OBJECT
private slots:
    void handWritten_data();
    void handWritten();
    void cutAtEveryPosition();
    void fullServerInDatagrams_data();
    void fullServerInDatagrams();
};

void TestStatusParser::handWritten_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<StatusRow>>("rows");
    QTest::addColumn<bool>("malformed");
    // Each expected row as "num|score|ping|guid|name|lastmsg|address|qport|rate".
    const auto row = [](const char* tag, const QString& reply, const QStringList& expected,
                        bool malformed = false) {
        QList<StatusRow> rows;
        for (const QString& text : expected) {
            const QStringList f = text.split(u'|');
            rows << StatusRow{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]};
        }
        QTest::newRow(tag) << reply << rows << malformed;
    };
    const QString thorn = "2|0|29|465030|ThorN|50|68.63.6.62:-32085|6597|5000";
    const QString thornLine = kHead + " 2 0 29 465030 ThorN^7 50 68.63.6.62:-32085 6597 5000\n";

    row("name with blanks", kHead + " 4 12 48 0 Big Bad Wolf ^7 0 192.0.2.1:28960 4711 25000\n\n",
        {"4|12|48|0|Big Bad Wolf|0|192.0.2.1:28960|4711|25000"});
    row("no players", kHead + u'\n', {});
    row("nothing arrived", QString(), {});
    row("console output above the report", "console: hello\nPlayer: gg\n" + thornLine + u'\n',
        {thorn});
    // A 22-character address fills its column, so the qport follows without a blank.
    row("address runs into qport",
        kHead + " 3 1 60 77 Max^7 0 255.255.255.255:-3276812345 25000\n\n",
        {"3|1|60|77|Max|0|255.255.255.255:-32768|12345|25000"});
    row("only the report's own reset goes", kHead + " 1 0 5 9 ^2Ace^7^7 0 1.2.3.4:5 6 7\n\n",
        {"1|0|5|9|^2Ace^7|0|1.2.3.4:5|6|7"});
    row("rows after the closing line are not players",
        thornLine + "\n 9 1 1 1 Late^7 0 1.2.3.4:5 6 7\n", {thorn});
    row("line too short", thornLine + " 5 0 40 1 Bob\n\n", {thorn}, true);
    row("line without blanks", thornLine + "xxxxxxxxxxxxxxxxxxxxxxx\n\n", {thorn}, true);
    row("refusal instead of a report", "Bad rconpassword.\n", {}, true);
    QByteArray noise;
    for (int i = 0; i < 2000; ++i)
        noise += char((i * 7919 + 13) % 256);
    row("noise alone", QString::fromLatin1(noise), {}, true);
    row("noise after a player", thornLine + QString::fromLatin1(noise), {thorn}, true);
    row("noise lines after a player",
        thornLine + QString::fromLatin1("\x01\x02 \xff \x80\x81 a b c d e f g h\n\n"), {thorn},
        true);
    row("nul bytes", thornLine + QString(64, QChar(0)) + u'\n', {thorn}, true);
}

void TestStatusParser::handWritten() {
    QFETCH(QString, reply);
    QFETCH(QList<StatusRow>, rows);
    QFETCH(bool, malformed);

    const StatusReport report = parseStatusReply(reply);
    QCOMPARE(report.rows, rows);
    QCOMPARE(report.malformed, malformed);
}

// However much of the report has arrived, the parser reads only what is there.
void TestStatusParser::cutAtEveryPosition() {
    const QList<SimPlayer> players = {
        player(0, QStringLiteral("^1Red^7Baron")), player(1, QStringLiteral("Big Bad Wolf")),
        player(3, QStringLiteral("New Player"), QStringLiteral("CNCT"))};
    const QString whole = printed(players);
    const QList<StatusRow> all = rowsOf(players);
    QCOMPARE(parseStatusReply(whole).rows, all);

    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        const QString part = whole.left(cut);
        const StatusReport got = parseStatusReply(part);
        // A player counts once the line feed that ends his line has arrived.
        const qsizetype complete = qBound(qsizetype(0), part.count(u'\n') - 3, players.size());
        const QByteArray where = "cut at " + QByteArray::number(cut);
        QVERIFY2(got.malformed == (cut > 0), where.constData());
        QVERIFY2(got.rows == all.mid(0, complete), where.constData());
    }
}

void TestStatusParser::fullServerInDatagrams_data() {
    QTest::addColumn<int>("bytes");
    QTest::newRow("whole, uncollapsed") << 0;
    QTest::newRow("1000-byte prints") << 1000;
    QTest::newRow("single characters") << 1;
}

void TestStatusParser::fullServerInDatagrams() {
    QFETCH(int, bytes);
    // Every kind of name and ping the report holds, 64 players in all.
    const QStringList names = {"^4Player %1 of Team^7x", "Solo%1", "AVeryLongPlayerNameOf26Ch%1",
                               "A^B %1", "J\u00fcrgen M\u00fcller %1"};
    const QStringList pings = {"999", "CNCT", "ZMBI", "5", "48", "120", "31"};
    QList<SimPlayer> players;
    for (int i = 0; i < 64; ++i)
        players << player(i, names[i % names.size()].arg(i), pings[i % pings.size()]);

    const QString raw = printed(players);
    const StatusReport report =
        parseStatusReply(bytes > 0 ? collectedInDatagrams(raw, bytes) : raw);
    QVERIFY(!report.malformed);
    QCOMPARE(report.rows, rowsOf(players));
}

QTEST_GUILESS_MAIN(TestStatusParser)
#include "tst_statusparser.moc"
