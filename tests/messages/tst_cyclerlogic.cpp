#include "messages/CyclerLogic.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
};

void TestCyclerLogic::ticks_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("pattern"); // one letter per tick: B broadcast, . count
    QTest::addColumn<int>("end");

    QTest::newRow("interval 1: every tick") << 0 << 1 << u"BBBB"_s << 1;
    QTest::newRow("interval 10") << 0 << 10 << u"B.........B"_s << 1;
    QTest::newRow("after a broadcast, interval 5") << 1 << 5 << u"....B"_s << 1;
    QTest::newRow("counter beyond a shortened interval broadcasts at once")
        << 7 << 3 << u"B..B"_s << 1;
}

void TestCyclerLogic::ticks() {
    QFETCH(int, start);
    QFETCH(int, interval);
    QFETCH(QString, pattern);
    qint16 minutes = qint16(start);
    QString seen;
    for (qsizetype i = 0; i < pattern.size(); ++i)
        seen += cycler::tickDue(minutes, interval) ? u'B' : u'.';
    QCOMPARE(seen, pattern);
    QTEST(int(minutes), "end");
}

void TestCyclerLogic::interval_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minutes"); // 0: refused
    QTest::newRow("1") << u"1"_s << 1;
    QTest::newRow("10") << u"10"_s << 10;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("10.4 rounds to 10") << u"10.4"_s << 10;
    QTest::newRow("0.5 rounds to 0") << u"0.5"_s << 0;
    QTest::newRow("beyond 16 bits") << u"99999"_s << 0;
}

void TestCyclerLogic::interval() {
    QFETCH(QString, text);
    QTEST(cycler::intervalMinutes(text), "minutes");
}

void TestCyclerLogic::pick_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("picked");
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
    QTest::addColumn<QString>("ff"); // the raw setfriendlyfire value
    QTest::addColumn<QString>("filled");
    QTest::addColumn<QString>("asked"); // which values were asked for, in order

    QTest::newRow("none: nothing asked") << u"Plain"_s << u"2"_s << u"Plain"_s << QString();
    QTest::newRow("only the first of each")
        << u"%IP% and %ip%"_s << u"2"_s << u"1.2.3.4:5 and %ip%"_s << u"I"_s;
    QTest::newRow("all three in order, any case")
        << u"%ff% on %Sn% at %IP%"_s << u"0"_s << u"Off on My Server at 1.2.3.4:5"_s << u"ISF"_s;
    QTest::newRow("a token split by another stays")
        << u"%I%SN%P%"_s << u"2"_s << u"%IMy ServerP%"_s << u"S"_s;
    const char* const words[] = {"Off", "On", "Reflective", "Shared"};
    for (int i = 0; i < 4; ++i)
        QTest::addRow("friendly fire %d", i) << u"FF %FF%"_s << QString::number(i)
                                             << u"FF %1"_s.arg(QLatin1String(words[i])) << u"F"_s;
    QTest::newRow("friendly fire 4: no word") << u"FF %FF%."_s << u"4"_s << u"FF ."_s << u"F"_s;
    QTest::newRow("friendly fire missing") << u"FF %FF%."_s << QString() << u"FF ."_s << u"F"_s;
    QTest::newRow("friendly fire not a number") << u"FF %FF%."_s << u"on"_s << u"FF ."_s << u"F"_s;
}

void TestCyclerLogic::placeholders() {
    QFETCH(QString, message);
    QFETCH(QString, ff);
    QString calls;
    const auto answer = [&calls](QChar call, const QString& value) {
        return [&calls, call, value] {
            calls += call;
            return value;
        };
    };
    const cycler::PlaceholderValues values{answer(u'I', u"1.2.3.4:5"_s),
                                           answer(u'S', u"My Server"_s), answer(u'F', ff)};
    QTEST(cycler::fillPlaceholders(message, values), "filled");
    QTEST(calls, "asked");
}

QTEST_GUILESS_MAIN(TestCyclerLogic)
#include "tst_cyclerlogic.moc"
