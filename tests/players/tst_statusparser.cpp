#include "players/PlayerNames.h"
#include "players/StatusParser.h"
#include "simserver/SimServer.h"

#include <QTest>

Q_DECLARE_METATYPE(StatusRow)
Q_DECLARE_METATYPE(SimPlayer)

namespace {

const QString kHead = QStringLiteral(
    "map: mp_harbor\n"
    "num score ping guid   name            lastmsg address               qport rate\n"
    "--- ----- ---- ------ --------------- ------- --------------------- ----- -----\n");

StatusRow row(const QString& num, const QString& score, const QString& ping, const QString& guid,
              const QString& name, const QString& lastmsg, const QString& address,
              const QString& qport, const QString& rate) {
    return StatusRow{num, score, ping, guid, name, lastmsg, address, qport, rate};
}

SimPlayer player(int num, const QString& name, const QString& ping = QStringLiteral("50")) {
    SimPlayer p;
    p.num = num;
    p.name = name;
    p.ping = ping;
    p.score = num * 3 - 7;
    p.guid = QString::number(100000 + num);
    p.lastmsg = num * 50;
    p.address = QStringLiteral("192.0.2.%1:%2").arg(num).arg(28960 + num);
    p.qport = 1000 + num;
    p.rate = 25000;
    return p;
}

// The report as the server prints it, before the channel collapses blanks.
QString printed(const QList<SimPlayer>& players) {
    QString text = kHead;
    for (const SimPlayer& p : players)
        text += SimServer::statusLine(p);
    return text + u'\n';
}

QList<SimPlayer> fullServer() {
    QList<SimPlayer> players;
    for (int i = 0; i < 64; ++i)
        players << player(i,
                          i % 3 ? QStringLiteral("^%1Player %2 of Team^7x").arg(i % 10).arg(i)
                                : QStringLiteral("Solo%1").arg(i),
                          i % 7 ? QString::number(20 + i) : QStringLiteral("999"));
    return players;
}

// What the player's line must give back: every field as set, the name with its colours.
void expectRowOf(const StatusRow& got, const SimPlayer& p) {
    QCOMPARE(got.num, QString::number(p.num));
    QCOMPARE(got.score, QString::number(p.score));
    QCOMPARE(got.ping, p.ping);
    QCOMPARE(got.guid, p.guid);
    QCOMPARE(got.name, p.name);
    QCOMPARE(got.lastmsg, QString::number(p.lastmsg));
    QCOMPARE(got.address, p.address);
    QCOMPARE(got.qport, QString::number(p.qport));
    QCOMPARE(got.rate, QString::number(p.rate));
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
    void simulatedServerLines_data();
    void simulatedServerLines();
    void cutAtEveryPosition();
    void fullServerInDatagrams_data();
    void fullServerInDatagrams();
    void garbage_data();
    void garbage();
};

void TestStatusParser::handWritten_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<StatusRow>>("rows");
    QTest::addColumn<bool>("malformed");

    const StatusRow thorn =
        row("2", "0", "29", "465030", "ThorN", "50", "68.63.6.62:-32085", "6597", "5000");
    const QString thornLine =
        QStringLiteral(" 2 0 29 465030 ThorN^7 50 68.63.6.62:-32085 6597 5000\n");

    QTest::newRow("one player") << kHead + thornLine + u'\n' << QList<StatusRow>{thorn} << false;
    QTest::newRow("name with blanks")
        << kHead + QStringLiteral(" 4 12 48 0 Big Bad Wolf ^7 0 192.0.2.1:28960 4711 25000\n\n")
        << QList<StatusRow>{row("4", "12", "48", "0", "Big Bad Wolf", "0", "192.0.2.1:28960",
                                "4711", "25000")}
        << false;
    QTest::newRow("connecting player and negative score")
        << kHead + QStringLiteral(" 7 -3 CNCT 0 New Player^7 950 192.0.2.44:28960 1502 25000\n\n")
        << QList<StatusRow>{row("7", "-3", "CNCT", "0", "New Player", "950", "192.0.2.44:28960",
                                "1502", "25000")}
        << false;
    QTest::newRow("no players") << kHead + u'\n' << QList<StatusRow>{} << false;
    QTest::newRow("nothing arrived") << QString() << QList<StatusRow>{} << false;
    QTest::newRow("console output above the report")
        << QStringLiteral("console: hello\nPlayer: gg\n") + kHead + thornLine + u'\n'
        << QList<StatusRow>{thorn} << false;
    // A 22-character address fills its column, so the qport follows without a blank.
    QTest::newRow("address runs into qport")
        << kHead + QStringLiteral(" 3 1 60 77 Max^7 0 255.255.255.255:-3276812345 25000\n\n")
        << QList<StatusRow>{row("3", "1", "60", "77", "Max", "0", "255.255.255.255:-32768", "12345",
                                "25000")}
        << false;
    QTest::newRow("reset before the padding")
        << kHead + QStringLiteral(" 1 0 5 9 ^2Dot^7 0 1.2.3.4:5 6 7\n\n")
        << QList<StatusRow>{row("1", "0", "5", "9", "^2Dot", "0", "1.2.3.4:5", "6", "7")} << false;
    QTest::newRow("only the report's own reset goes")
        << kHead + QStringLiteral(" 1 0 5 9 Ace^7^7 0 1.2.3.4:5 6 7\n\n")
        << QList<StatusRow>{row("1", "0", "5", "9", "Ace^7", "0", "1.2.3.4:5", "6", "7")} << false;
    QTest::newRow("rows after the closing line are not players")
        << kHead + thornLine + QStringLiteral("\n 9 1 1 1 Late^7 0 1.2.3.4:5 6 7\n")
        << QList<StatusRow>{thorn} << false;
    QTest::newRow("head only") << kHead << QList<StatusRow>{} << true;
    QTest::newRow("no closing line") << kHead + thornLine << QList<StatusRow>{thorn} << true;
    QTest::newRow("line too short") << kHead + thornLine + QStringLiteral(" 5 0 40 1 Bob\n\n")
                                    << QList<StatusRow>{thorn} << true;
    QTest::newRow("line without blanks")
        << kHead + thornLine + QStringLiteral("xxxxxxxxxxxxxxxxxxxxxxx\n\n")
        << QList<StatusRow>{thorn} << true;
    QTest::newRow("refusal instead of a report")
        << QStringLiteral("Bad rconpassword.\n") << QList<StatusRow>{} << true;
}

void TestStatusParser::handWritten() {
    QFETCH(QString, reply);
    QFETCH(QList<StatusRow>, rows);
    QFETCH(bool, malformed);

    const StatusReport report = parseStatusReply(reply);
    QCOMPARE(report.rows, rows);
    QCOMPARE(report.malformed, malformed);
}

void TestStatusParser::simulatedServerLines_data() {
    QTest::addColumn<SimPlayer>("p");
    QTest::newRow("colours") << player(0, QStringLiteral("^1Red^7Baron"));
    QTest::newRow("blanks") << player(1, QStringLiteral("Big Bad Wolf"));
    QTest::newRow("both") << player(12, QStringLiteral("^4Big ^1Bad ^2Wolf"));
    QTest::newRow("long name") << player(3, QStringLiteral("AVeryLongPlayerNameOf26Ch"));
    QTest::newRow("caret kept") << player(4, QStringLiteral("A^B"));
    QTest::newRow("ping 999") << player(5, QStringLiteral("Lagger"), QStringLiteral("999"));
    QTest::newRow("zombie") << player(63, QStringLiteral("Gone"), QStringLiteral("ZMBI"));
    QTest::newRow("code page") << player(6, QStringLiteral("J\u00fcrgen M\u00fcller"));
}

void TestStatusParser::simulatedServerLines() {
    QFETCH(SimPlayer, p);
    const StatusReport report = parseStatusReply(printed({p}));
    QVERIFY(!report.malformed);
    QCOMPARE(report.rows.size(), 1);
    expectRowOf(report.rows.first(), p);
}

void TestStatusParser::cutAtEveryPosition() {
    const QList<SimPlayer> players = {
        player(0, QStringLiteral("^1Red^7Baron")), player(1, QStringLiteral("Big Bad Wolf")),
        player(3, QStringLiteral("New Player"), QStringLiteral("CNCT"))};
    const QString whole = printed(players);
    const StatusReport full = parseStatusReply(whole);
    QVERIFY(!full.malformed);
    QCOMPARE(full.rows.size(), players.size());

    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        const QString part = whole.left(cut);
        const StatusReport got = parseStatusReply(part);
        // A player counts once the line feed that ends his line has arrived.
        const qsizetype complete = qBound(qsizetype(0), part.count(u'\n') - 3, players.size());
        const QByteArray where = "cut at " + QByteArray::number(cut);
        QVERIFY2(got.malformed == (cut > 0), where.constData());
        QVERIFY2(got.rows == full.rows.mid(0, complete), where.constData());
    }
}

void TestStatusParser::fullServerInDatagrams_data() {
    QTest::addColumn<int>("bytes");
    QTest::newRow("whole, uncollapsed") << 0;
    QTest::newRow("1000-byte prints") << 1000;
    QTest::newRow("1300-byte prints") << 1300;
    QTest::newRow("37-byte pieces") << 37;
    QTest::newRow("single characters") << 1;
}

void TestStatusParser::fullServerInDatagrams() {
    QFETCH(int, bytes);
    const QList<SimPlayer> players = fullServer();
    const QString raw = printed(players);
    const StatusReport report =
        parseStatusReply(bytes > 0 ? collectedInDatagrams(raw, bytes) : raw);
    QVERIFY(!report.malformed);
    QCOMPARE(report.rows.size(), 64);
    for (int i = 0; i < 64; ++i)
        expectRowOf(report.rows[i], players[i]);
}

void TestStatusParser::garbage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rowsKept");
    const QByteArray good =
        (kHead + SimServer::statusLine(player(1, QStringLiteral("Ann")))).toLatin1();
    QByteArray noise;
    for (int i = 0; i < 2000; ++i)
        noise += char((i * 7919 + 13) % 256);
    QTest::newRow("noise alone") << noise << 0;
    QTest::newRow("noise after a player") << good + noise << 1;
    QTest::newRow("noise lines after a player")
        << good + QByteArray("\x01\x02 \xff \x80\x81 a b c d e f g h\n\n") << 1;
    QTest::newRow("nul bytes") << good + QByteArray(64, '\0') + '\n' << 1;
}

void TestStatusParser::garbage() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, rowsKept);
    const StatusReport report = parseStatusReply(QString::fromLatin1(bytes));
    QVERIFY(report.malformed);
    QCOMPARE(report.rows.size(), rowsKept);
}

QTEST_GUILESS_MAIN(TestStatusParser)
#include "tst_statusparser.moc"
