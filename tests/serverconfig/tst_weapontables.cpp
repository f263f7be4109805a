#include "serverconfig/WeaponTable.h"

#include <QTest>

// The names the United Offensive weapon page puts in its log lines.
class TestWeaponTables : public QObject {
    Q_OBJECT
private slots:
    void uoLogName_data();
    void uoLogName();
};

void TestWeaponTables::uoLogName_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    QTest::newRow("allow") << "Allow Panzer IV"
                           << "Panzer IV";
    QTest::newRow("enable") << "Enable Drop Health"
                            << "Drop Health";
    QTest::newRow("no verb") << "Panzer IV"
                             << "Panzer IV";
    QTest::newRow("verb only") << "Allow "
                               << "Allow ";
}

void TestWeaponTables::uoLogName() {
    QFETCH(QString, label);
    QFETCH(QString, name);
    QCOMPARE(weapons::uoLogName(label), name);
}

QTEST_GUILESS_MAIN(TestWeaponTables)
#include "tst_weapontables.moc"
