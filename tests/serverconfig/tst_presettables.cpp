#include "serverconfig/ClanbasePreset.h"
#include "serverconfig/FriendlyFire.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The fixed tables behind the one-click tools: friendly fire and the league preset.
class TestPresetTables : public QObject {
    Q_OBJECT
private slots:
    void friendlyFire_data();
    void friendlyFire();
    void clanbaseCommandsMatchTheRules();
};

void TestPresetTables::friendlyFire_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("announcement");
    QTest::addColumn<QString>("logText");

    QTest::newRow("off") << 0 << "setfriendlyfire 0"
                         << "say ^3Vostrel ^5(1.4.1)> ^7Friendly Fire now ^2OFF"
                         << "Friendly Fire OFF";
    QTest::newRow("on") << 1 << "setfriendlyfire 1"
                        << "say ^3Vostrel ^5(1.4.1)> ^7Friendly Fire now ^2ON"
                        << "Friendly Fire ON";
    QTest::newRow("reflective") << 2 << "setfriendlyfire 2"
                                << "say ^3Vostrel ^5(1.4.1)> ^7Friendly Fire now ^2Reflective"
                                << "Friendly Fire Reflective";
    QTest::newRow("shared") << 3 << "setfriendlyfire 3"
                            << "say ^3Vostrel ^5(1.4.1)> ^7Friendly Fire now ^2Shared"
                            << "Friendly Fire Shared";
}

void TestPresetTables::friendlyFire() {
    QFETCH(int, value);
    QFETCH(QString, command);
    QFETCH(QString, announcement);
    QFETCH(QString, logText);

    QCOMPARE(friendlyfire::modes().at(value).value, value);
    QCOMPARE(friendlyfire::command(value), command);
    QCOMPARE(friendlyfire::announcement(value), announcement);
    QCOMPARE(friendlyfire::modes().at(value).logText, logText);
    QVERIFY(friendlyfire::announcement(4).isEmpty());
    QVERIFY(friendlyfire::announcement(-1).isEmpty());
}

void TestPresetTables::clanbaseCommandsMatchTheRules() {
    const QString rules = clanbase::rulesText();
    QVERIFY(rules.endsWith("\r\n"));
    QStringList lines = rules.split("\r\n");
    lines.removeLast();
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines.at(0), "Clan Base Rules ");
    QVERIFY(lines.at(1).endsWith(' '));

    // The rules name each setting as set name "value"; the preset sends name value.
    static const QRegularExpression setting("^set (\\w+) \"(\\d+)\"$");
    QSet<QString> fromRules;
    for (int i = 2; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = setting.match(lines.at(i));
        QVERIFY2(match.hasMatch(), qPrintable(lines.at(i)));
        QString name = match.captured(1);
        // The text names the script variable; the preset sets the server's own one.
        if (name == "scr_friendlyfire")
            name = "setfriendlyfire";
        fromRules << name + ' ' + match.captured(2);
    }
    const QStringList sent = clanbase::commands();
    QCOMPARE(sent.size(), 16);
    QCOMPARE(QSet<QString>(sent.cbegin(), sent.cend()), fromRules);
    QCOMPARE(sent.at(4), "setfriendlyfire 1");
    QCOMPARE(sent.mid(13), (QStringList{"scr_spectateenemy 0", "scr_freelook 0", "logfile 1"}));
    QCOMPARE(clanbase::announcement(),
             "say ^3Vostrel ^5(1.4.1)> ^7Server Set for ^2Clan Base ^7Rules");
}

QTEST_MAIN(TestPresetTables)
#include "tst_presettables.moc"
