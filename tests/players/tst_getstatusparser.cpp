#include "players/GetstatusParser.h"

#include <QTest>

Q_DECLARE_METATYPE(QueryRow)

namespace {

// The reply as the channel collects it: the packet header is not removed for this reply.
const QString kHead =
    QString(4, QChar(0xFF)) + QStringLiteral("statusResponse\n"
                                             "\\g_gametype\\dm\\mapname\\mp_pavlov\\sv_"
                                             "hostname\\CoDHost\\sv_maxclients\\8\n");

QueryRow q(const QString& score, const QString& ping, const QString& name) {
    return QueryRow{score, ping, name};
}

} // namespace

class TestGetstatusParser : public QObject {
    Q_OBJECT
private slots:
    void replies_data();
    void replies();
};

void TestGetstatusParser::replies_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<QueryRow>>("rows");
    QTest::addColumn<bool>("noPlayerLines");

    QTest::newRow("three players in reply order")
        << kHead + QStringLiteral("3 48 \"A\"\n12 71 \"B\"\n-2 999 \"C\"\n")
        << QList<QueryRow>{q("3", "48", "A"), q("12", "71", "B"), q("-2", "999", "C")} << false;
    QTest::newRow("name with blanks and colours")
        << kHead + QStringLiteral("0 50 \"^1Big Bad ^7Wolf\"\n")
        << QList<QueryRow>{q("0", "50", "^1Big Bad ^7Wolf")} << false;
    QTest::newRow("no players") << kHead << QList<QueryRow>{} << true;
    QTest::newRow("variable line cut") << kHead.left(30) << QList<QueryRow>{} << true;
    QTest::newRow("nothing") << QString() << QList<QueryRow>{} << true;
    QTest::newRow("last line cut inside the name")
        << kHead + QStringLiteral("3 48 \"A\"\n5 50 \"Bo") << QList<QueryRow>{q("3", "48", "A")}
        << false;
    QTest::newRow("last line without its line feed")
        << kHead + QStringLiteral("3 48 \"A\"\n5 50 \"Bob\"")
        << QList<QueryRow>{q("3", "48", "A"), q("5", "50", "Bob")} << false;
    QTest::newRow("line without quotes ends the list")
        << kHead + QStringLiteral("3 48 \"A\"\n5 50 Bob\n7 1 \"C\"\n")
        << QList<QueryRow>{q("3", "48", "A")} << false;
    QTest::newRow("line without blanks ends the list")
        << kHead + QStringLiteral("garbage\n7 1 \"C\"\n") << QList<QueryRow>{} << false;
    QTest::newRow("fields never reach into the next line")
        << kHead + QStringLiteral("3\n48 \"A\"\n") << QList<QueryRow>{} << false;
}

void TestGetstatusParser::replies() {
    QFETCH(QString, reply);
    QFETCH(QList<QueryRow>, rows);
    QFETCH(bool, noPlayerLines);

    const QueryReport report = parseGetstatusReply(reply);
    QCOMPARE(report.rows, rows);
    QCOMPARE(report.noPlayerLines, noPlayerLines);
}

QTEST_GUILESS_MAIN(TestGetstatusParser)
#include "tst_getstatusparser.moc"
