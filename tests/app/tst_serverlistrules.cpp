#include "app/ServerListRules.h"

#include <QTest>

class TestServerListRules : public QObject {
    Q_OBJECT
private slots:
    void hasAddress_data();
    void hasAddress();
    void remove_data();
    void remove();
    void splitEntry_data();
    void splitEntry();
};

void TestServerListRules::hasAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("present");

    QTest::newRow("same address, other port") << "10.0.0.12" << true;
    QTest::newRow("part of a longer address") << "10.0.0.1" << true;
    QTest::newRow("name in other case") << "COD.Example.NET" << true;
    QTest::newRow("other address") << "10.0.0.2" << false;
}

void TestServerListRules::hasAddress() {
    QFETCH(QString, address);
    QFETCH(bool, present);
    const QStringList saved{"10.0.0.12:28960", "cod.example.net:28961"};
    QCOMPARE(serverlist::hasAddress(saved, address), present);
}

void TestServerListRules::remove_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("remaining");

    QTest::newRow("two next to each other")
        << QStringList{"x.net:9", "a.net:1", "a.net:1", "b.net:2"} << "a.net:1"
        << QStringList{"x.net:9", "b.net:2"};
    QTest::newRow("first and last, any case")
        << QStringList{"a.net:1", "b.net:2", "A.NET:1"} << "a.net:1" << QStringList{"b.net:2"};
    QTest::newRow("key inside a longer entry")
        << QStringList{"10.0.0.1:28960", "10.0.0.1:2896"} << "10.0.0.1:2896" << QStringList{};
    QTest::newRow("other port stays")
        << QStringList{"a.net:1", "a.net:2"} << "a.net:2" << QStringList{"a.net:1"};
}

void TestServerListRules::remove() {
    QFETCH(QStringList, entries);
    QFETCH(QString, key);
    QFETCH(QStringList, remaining);
    // Removing in the order given must leave exactly the entries that do not hold the key.
    for (const int i : serverlist::entriesToRemove(entries, key))
        entries.removeAt(i);
    QCOMPARE(entries, remaining);
}

void TestServerListRules::splitEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");

    QTest::newRow("dotted address") << "192.168.0.5:28961"
                                    << "192.168.0.5"
                                    << "28961";
    QTest::newRow("IPv6 address") << "2001:db8::7:28960"
                                  << "2001:db8::7"
                                  << "28960";
    QTest::newRow("no colon") << "cod.example.net"
                              << "cod.example.net"
                              << "";
    QTest::newRow("no port") << "host:"
                             << "host"
                             << "";
}

void TestServerListRules::splitEntry() {
    QFETCH(QString, entry);
    QFETCH(QString, address);
    QFETCH(QString, port);
    const serverlist::EntryParts parts = serverlist::splitEntry(entry);
    QCOMPARE(parts.address, address);
    QCOMPARE(parts.port, port);
}

QTEST_GUILESS_MAIN(TestServerListRules)
#include "tst_serverlistrules.moc"
