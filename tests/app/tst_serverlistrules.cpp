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
    void remember_data();
    void remember();
};

void TestServerListRules::hasAddress_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("present");

    const QStringList saved{"10.0.0.12:28960", "cod.example.net:28961"};
    QTest::newRow("same address, other port") << saved << "10.0.0.12" << true;
    QTest::newRow("part of a longer address") << saved << "10.0.0.1" << true;
    QTest::newRow("name in other case") << saved << "COD.Example.NET" << true;
    QTest::newRow("other address") << saved << "10.0.0.2" << false;
    QTest::newRow("empty list") << QStringList{} << "10.0.0.12" << false;
}

void TestServerListRules::hasAddress() {
    QFETCH(QStringList, entries);
    QFETCH(QString, address);
    QFETCH(bool, present);
    QCOMPARE(serverlist::hasAddress(entries, address), present);
}

void TestServerListRules::remove_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("remaining");

    QTest::newRow("one entry") << QStringList{"a.net:1", "b.net:2"} << "a.net:1"
                               << QStringList{"b.net:2"};
    QTest::newRow("two next to each other")
        << QStringList{"x.net:9", "a.net:1", "a.net:1", "b.net:2"} << "a.net:1"
        << QStringList{"x.net:9", "b.net:2"};
    QTest::newRow("first and last")
        << QStringList{"a.net:1", "b.net:2", "A.NET:1"} << "a.net:1" << QStringList{"b.net:2"};
    QTest::newRow("all of them") << QStringList{"a.net:1", "a.net:1"} << "a.net:1" << QStringList{};
    QTest::newRow("key inside a longer entry")
        << QStringList{"10.0.0.1:28960", "10.0.0.1:2896"} << "10.0.0.1:2896" << QStringList{};
    QTest::newRow("other port stays")
        << QStringList{"a.net:1", "a.net:2"} << "a.net:2" << QStringList{"a.net:1"};
    QTest::newRow("nothing matches")
        << QStringList{"a.net:1"} << "c.net:3" << QStringList{"a.net:1"};
}

void TestServerListRules::remove() {
    QFETCH(QStringList, entries);
    QFETCH(QString, key);
    QFETCH(QStringList, remaining);
    // Removing in the order given must leave exactly the entries that do not hold the key.
    QStringList list = entries;
    for (const int i : serverlist::entriesToRemove(entries, key))
        list.removeAt(i);
    QCOMPARE(list, remaining);
}

void TestServerListRules::splitEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");

    const auto row = [](const char* name, const QString& entry, const QString& address,
                        const QString& port) { QTest::newRow(name) << entry << address << port; };
    row("dotted address", "192.168.0.5:28961", "192.168.0.5", "28961");
    row("host name", "cod.example.net:28960", "cod.example.net", "28960");
    row("IPv6 address", "2001:db8::7:28960", "2001:db8::7", "28960");
    row("IPv6 loopback", "::1:28960", "::1", "28960");
    row("no colon", "cod.example.net", "cod.example.net", "");
    row("no port", "host:", "host", "");
}

void TestServerListRules::splitEntry() {
    QFETCH(QString, entry);
    QFETCH(QString, address);
    QFETCH(QString, port);
    const serverlist::EntryParts parts = serverlist::splitEntry(entry);
    QCOMPARE(parts.address, address);
    QCOMPARE(parts.port, port);
    if (entry.contains(QLatin1Char(':')))
        QCOMPARE(serverlist::makeEntry(parts.address, parts.port), entry);
}

void TestServerListRules::remember_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("added");

    QTest::newRow("new value") << QStringList{"28960"} << "28961" << true;
    QTest::newRow("already there") << QStringList{"28960", "28961"} << "28961" << false;
    QTest::newRow("other case is another value")
        << QStringList{"cod.example.net"} << "COD.example.net" << true;
    QTest::newRow("empty text") << QStringList{} << "" << false;
}

void TestServerListRules::remember() {
    QFETCH(QStringList, values);
    QFETCH(QString, text);
    QFETCH(bool, added);
    QCOMPARE(serverlist::shouldRemember(values, text), added);
}

QTEST_GUILESS_MAIN(TestServerListRules)
#include "tst_serverlistrules.moc"
