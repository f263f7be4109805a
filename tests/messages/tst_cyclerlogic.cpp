#include "messages/CyclerLogic.h"

#include <QTest>

class TestCyclerLogic : public QObject {
    Q_OBJECT
private slots:
    void ticks_data();
    void ticks();
    void interval_data();
    void interval();
    void pick_data();
    void pick();
    void placeholders_data();
    void placeholders();
    void friendlyFire_data();
    void friendlyFire();
};

void TestCyclerLogic::ticks_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("pattern"); // one letter per tick: B broadcast, . count
    QTest::addColumn<int>("end");

    QTest::newRow("fresh start, interval 3") << 0 << 3 << "B..B..B.." << 3;
    QTest::newRow("interval 1: every tick") << 0 << 1 << "BBBB" << 1;
    QTest::newRow("interval 10") << 0 << 10 << "B.........B" << 1;
    QTest::newRow("after a broadcast, interval 5") << 1 << 5 << "....B" << 1;
    QTest::newRow("counter beyond a shortened interval broadcasts at once")
        << 7 << 3 << "B..B" << 1;
}

void TestCyclerLogic::ticks() {
    QFETCH(int, start);
    QFETCH(int, interval);
    QFETCH(QString, pattern);
    QFETCH(int, end);
    qint16 minutes = qint16(start);
    QString seen;
    for (qsizetype i = 0; i < pattern.size(); ++i)
        seen += cycler::tickDue(minutes, interval) ? u'B' : u'.';
    QCOMPARE(seen, pattern);
    QCOMPARE(int(minutes), end);
}

void TestCyclerLogic::interval_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minutes");
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("10") << "10" << 10;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("11") << "11" << 0;
    QTest::newRow("abc") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("10.4 rounds to 10") << "10.4" << 10;
    QTest::newRow("0.5 rounds to 0") << "0.5" << 0;
    QTest::newRow("huge") << "99999" << 0;
}

void TestCyclerLogic::interval() {
    QFETCH(QString, text);
    QFETCH(int, minutes);
    QCOMPARE(cycler::intervalMinutes(text), minutes);
}

void TestCyclerLogic::pick_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("picked");
    QTest::newRow("inside") << 3 << 1 << 1;
    QTest::newRow("last") << 3 << 2 << 2;
    QTest::newRow("at the end: back to the first") << 3 << 3 << 0;
    QTest::newRow("beyond a shorter set") << 2 << 5 << 0;
    QTest::newRow("negative") << 2 << -1 << 0;
    QTest::newRow("no messages") << 0 << 0 << -1;
}

void TestCyclerLogic::pick() {
    QFETCH(int, size);
    QFETCH(int, position);
    QFETCH(int, picked);
    QStringList messages;
    for (int i = 0; i < size; ++i)
        messages << QString::number(i);
    qint16 pos = qint16(position);
    QCOMPARE(cycler::pickMessage(messages, pos), picked);
    if (picked >= 0)
        QCOMPARE(int(pos), picked);
}

void TestCyclerLogic::placeholders_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("filled");
    QTest::addColumn<QString>("asked"); // which values were asked for, in order

    QTest::newRow("none: nothing asked") << "Plain text"
                                         << "Plain text"
                                         << "";
    QTest::newRow("ip in lower case") << "Join %ip% now"
                                      << "Join 10.0.0.5:28960 now"
                                      << "I";
    QTest::newRow("only the first of each") << "%IP% and %ip%"
                                            << "10.0.0.5:28960 and %ip%"
                                            << "I";
    QTest::newRow("all three in order") << "%ff% on %Sn% at %IP%"
                                        << "Reflective on My Server at 10.0.0.5:28960"
                                        << "ISF";
    QTest::newRow("server name only") << "Welcome to %SN%!"
                                      << "Welcome to My Server!"
                                      << "S";
    QTest::newRow("friendly fire word") << "FF is %FF%"
                                        << "FF is Reflective"
                                        << "F";
    QTest::newRow("a token split by another stays") << "%I%SN%P%"
                                                    << "%IMy ServerP%"
                                                    << "S";
}

void TestCyclerLogic::placeholders() {
    QFETCH(QString, message);
    QFETCH(QString, filled);
    QFETCH(QString, asked);
    QString calls;
    const cycler::PlaceholderValues values{[&] {
                                               calls += u'I';
                                               return QStringLiteral("10.0.0.5:28960");
                                           },
                                           [&] {
                                               calls += u'S';
                                               return QStringLiteral("My Server");
                                           },
                                           [&] {
                                               calls += u'F';
                                               return QStringLiteral("2");
                                           }};
    QCOMPARE(cycler::fillPlaceholders(message, values), filled);
    QCOMPARE(calls, asked);
}

void TestCyclerLogic::friendlyFire_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("word");
    QTest::newRow("0") << "0"
                       << "Off";
    QTest::newRow("1") << "1"
                       << "On";
    QTest::newRow("2") << "2"
                       << "Reflective";
    QTest::newRow("3") << "3"
                       << "Shared";
    QTest::newRow("4") << "4"
                       << "";
    QTest::newRow("-1") << "-1"
                        << "";
    QTest::newRow("missing") << ""
                             << "";
    QTest::newRow("not a number") << "on"
                                  << "";
}

void TestCyclerLogic::friendlyFire() {
    QFETCH(QString, value);
    QFETCH(QString, word);
    QCOMPARE(cycler::friendlyFireWord(value), word);
}

QTEST_GUILESS_MAIN(TestCyclerLogic)
#include "tst_cyclerlogic.moc"
