#include "serverconfig/ClanbasePreset.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The league preset: the rules text the operator reads against the commands it sends.
class TestPresetTables : public QObject {
    Q_OBJECT
private slots:
    void clanbaseCommandsMatchTheRules();
};

void TestPresetTables::clanbaseCommandsMatchTheRules() {
    const QString rules = clanbase::rulesText();
    QVERIFY(rules.endsWith("\r\n"));
    QStringList lines = rules.split("\r\n");
    lines.removeLast();
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines.at(0), "Clan Base Rules ");
    QCOMPARE(lines.at(1), "All matches should be played with the following server settings: ");

    // The rules name each setting as set name "value"; the preset sends name value.
    static const QRegularExpression setting("^set (\\w+) \"(\\d+)\"$");
    QSet<QString> fromRules;
    for (int i = 2; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = setting.match(lines.at(i));
        QVERIFY2(match.hasMatch(), qPrintable(lines.at(i)));
        // The text names the script variable; the preset sets the server's own one.
        const QString name =
            match.captured(1) == "scr_friendlyfire" ? "setfriendlyfire" : match.captured(1);
        fromRules << name + ' ' + match.captured(2);
    }
    const QStringList sent = clanbase::commands();
    QCOMPARE(sent.size(), 16);
    QCOMPARE(QSet<QString>(sent.cbegin(), sent.cend()), fromRules);
}

QTEST_MAIN(TestPresetTables)
#include "tst_presettables.moc"
