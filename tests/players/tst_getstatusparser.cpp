#include "players/GetstatusParser.h"

#include <QTest>

Q_DECLARE_METATYPE(QueryRow)

namespace {

// The reply as the channel collects it: the packet header is not removed for this reply.
const QString kHead =
    QString(4, QChar(0xFF)) + QStringLiteral("statusResponse\n"
                                             "\\g_gametype\\dm\\mapname\\mp_pavlov\\sv_"
                                             "hostname\\CoDHost\\sv_maxclients\\8\n");

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
    const auto row = [](const char* tag, const QString& reply, const QList<QueryRow>& rows,
                        bool noPlayerLines = false) {
        QTest::newRow(tag) << reply << rows << noPlayerLines;
    };
    const QueryRow a{"3", "48", "A"};

    row("three players in reply order", kHead + "3 48 \"A\"\n12 71 \"B\"\n-2 999 \"C\"\n",
        {a, {"12", "71", "B"}, {"-2", "999", "C"}});
    row("name with blanks and colours", kHead + "0 50 \"^1Big Bad ^7Wolf\"\n",
        {{"0", "50", "^1Big Bad ^7Wolf"}});
    row("no players", kHead, {}, true);
    row("variable line cut", kHead.left(30), {}, true);
    row("nothing", QString(), {}, true);
    row("last line cut inside the name", kHead + "3 48 \"A\"\n5 50 \"Bo", {a});
    row("last line without its line feed", kHead + "3 48 \"A\"\n5 50 \"Bob\"",
        {a, {"5", "50", "Bob"}});
    row("line without quotes ends the list", kHead + "3 48 \"A\"\n5 50 Bob\n7 1 \"C\"\n", {a});
    row("line without blanks ends the list", kHead + "garbage\n7 1 \"C\"\n", {});
    row("fields never reach into the next line", kHead + "3\n48 \"A\"\n", {});
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
