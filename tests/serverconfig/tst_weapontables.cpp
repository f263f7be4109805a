#include "serverconfig/WeaponTable.h"

#include <QTest>

// What the weapon pages rely on in their tables: the grouping of the read-out and the
// names of the log lines.
class TestWeaponTables : public QObject {
    Q_OBJECT
private slots:
    void baseFramesFollowGroupOrder();
    void uoLogName_data();
    void uoLogName();
};

void TestWeaponTables::baseFramesFollowGroupOrder() {
    // The read-out adds a progress line whenever the frame changes, so the boxes of one
    // frame must stand together, frames in the order of the groups.
    QList<int> framesSeen;
    for (const weapons::BaseWeapon& weapon : weapons::baseWeapons()) {
        if (framesSeen.isEmpty() || framesSeen.last() != weapon.frame)
            framesSeen << weapon.frame;
    }
    QList<int> groupFrames;
    for (const weapons::Group& group : weapons::groups())
        groupFrames << group.frame;
    QCOMPARE(framesSeen, groupFrames);

    QStringList snipers;
    for (const weapons::BaseWeapon& weapon : weapons::baseWeapons()) {
        if (weapon.sniper) {
            snipers << weapon.control;
            QCOMPARE(weapon.riflesOnly, 0);
        }
    }
    QCOMPARE(snipers, (QStringList{"chkspringfield", "chknagantsniper", "chkkar98ksniper"}));
}

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
