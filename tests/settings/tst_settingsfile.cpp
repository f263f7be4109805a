#include "settings/OptionsStore.h"
#include "settings/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void init();

    void absentFileGivesDefaults();
    void optionValues_data();
    void optionValues();
    void garbageLoadsWithDefaults();
    void namesMatchWithoutRegardToCase();
    void writeKeepsEveryOtherLine();
    void writeAddsKeysAndSections();
    void writeRefusesLineBreaksInValues();
    void newFileIsPrivate();
    void failedWritesAreReported_data();
    void failedWritesAreReported();
    void serverListStopsAtFirstGap();
    void serverListAtExitBlanksRemovedEntries();
    void ipv6EntriesKeepTheirAddress();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestSettingsFile::init() {
    m_path = m_dir.filePath(QStringLiteral("vostrel.ini"));
    QFile::remove(m_path);
}

void TestSettingsFile::absentFileGivesDefaults() {
    const Options o = loadOptions(ProfileFile(m_path));
    QVERIFY(o.savercon && o.savemessages && o.clearrconnew && o.clearmessnew && o.removeid);
    QVERIFY(!o.usequery && !o.autoqplayer && !o.autokick999 && !o.autoconnect && !o.automessage);
    QCOMPARE(o.autoqplayerint, qint16(10));
    QCOMPARE(o.autokick999int, qint16(3));
    QCOMPARE(o.messageset, qint16(1));
    QCOMPARE(o.messagetime, qint16(3));
    QVERIFY(o.autoconnectserv.isEmpty() && o.autoconnectport.isEmpty() &&
            o.autoconnectrcon.isEmpty());
    QVERIFY(readSavedServers(ProfileFile(m_path)).isEmpty());
    QVERIFY(readRemoteUser(ProfileFile(m_path)).isEmpty());
    QVERIFY(!QFile::exists(m_path));
}

void TestSettingsFile::optionValues_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected"); // what lands in the options, as text

    QTest::newRow("switch word no is on") << "savercon"
                                          << "no"
                                          << "1";
    QTest::newRow("switch 0 is off") << "savercon"
                                     << "0"
                                     << "0";
    QTest::newRow("switch starting with 0") << "savemessages"
                                            << "0ff"
                                            << "0";
    QTest::newRow("switch any other word") << "usequery"
                                           << "x"
                                           << "1";
    QTest::newRow("empty switch keeps default on") << "removeid"
                                                   << ""
                                                   << "1";
    QTest::newRow("empty switch keeps default off") << "autoconnect"
                                                    << ""
                                                    << "0";
    QTest::newRow("number") << "autoqplayerint"
                            << "30"
                            << "30";
    QTest::newRow("numeric prefix") << "autoqplayerint"
                                    << "12abc"
                                    << "12";
    QTest::newRow("no numeric prefix") << "autokick999int"
                                       << "abc"
                                       << "0";
    QTest::newRow("half to even") << "messagetime"
                                  << "2.5"
                                  << "2";
    QTest::newRow("negative") << "messageset"
                              << "-4"
                              << "-4";
    QTest::newRow("beyond 16 bits") << "messagetime"
                                    << "999999"
                                    << "32767";
    QTest::newRow("empty number keeps default") << "autokick999int"
                                                << ""
                                                << "3";
    QTest::newRow("server cut to 29") << "autoconnectserv"
                                      << "a234567890b234567890c234567890d2345"
                                      << "a234567890b234567890c23456789";
    QTest::newRow("port cut to 6") << "autoconnectport"
                                   << "123456789"
                                   << "123456";
    QTest::newRow("password cut to 19") << "autoconnectrcon"
                                        << "p234567890q234567890r2345"
                                        << "p234567890q23456789";
}

void TestSettingsFile::optionValues() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    writeAll(m_path, "[options]\r\n" + key.toLatin1() + "=" + value.toLatin1() + "\r\n");
    const Options o = loadOptions(ProfileFile(m_path));
    const QHash<QString, QString> got = {
        {QStringLiteral("savercon"), QString::number(o.savercon)},
        {QStringLiteral("savemessages"), QString::number(o.savemessages)},
        {QStringLiteral("usequery"), QString::number(o.usequery)},
        {QStringLiteral("removeid"), QString::number(o.removeid)},
        {QStringLiteral("autoconnect"), QString::number(o.autoconnect)},
        {QStringLiteral("autoqplayerint"), QString::number(o.autoqplayerint)},
        {QStringLiteral("autokick999int"), QString::number(o.autokick999int)},
        {QStringLiteral("messagetime"), QString::number(o.messagetime)},
        {QStringLiteral("messageset"), QString::number(o.messageset)},
        {QStringLiteral("autoconnectserv"), o.autoconnectserv},
        {QStringLiteral("autoconnectport"), o.autoconnectport},
        {QStringLiteral("autoconnectrcon"), o.autoconnectrcon}};
    QCOMPARE(got.value(key), expected);
}

void TestSettingsFile::garbageLoadsWithDefaults() {
    QByteArray garbage = "\x00\x01\xff\xfe[[[\r\n=novalue\r\n[options\r\nsavercon\r\n";
    garbage += QByteArray(100000, 'z') +
               "\r\n[options]\r\nautoqplayerint=" + QByteArray(5000, '9') +
               "\r\nautoconnectserv=" + QByteArray(70000, 'h') + "\n";
    writeAll(m_path, garbage);
    const Options o = loadOptions(ProfileFile(m_path));
    QCOMPARE(o.autoqplayerint, qint16(32767));
    QCOMPARE(o.autoconnectserv, QString(29, QLatin1Char('h')));
    QVERIFY(o.savercon);
}

void TestSettingsFile::namesMatchWithoutRegardToCase() {
    writeAll(m_path, "[OPTIONS]\r\nSaveRCON=0\r\n[Servers]\r\nSERVER1=host\r\n");
    ProfileFile file(m_path);
    QVERIFY(!loadOptions(file).savercon);
    QCOMPARE(file.read(QStringLiteral("servers"), QStringLiteral("server1")),
             QStringLiteral("host"));
    QVERIFY(file.write(QStringLiteral("options"), QStringLiteral("SAVERCON"), QStringLiteral("1")));
    QCOMPARE(readAll(m_path),
             QByteArray("[OPTIONS]\r\nSAVERCON=1\r\n[Servers]\r\nSERVER1=host\r\n"));
}

void TestSettingsFile::writeKeepsEveryOtherLine() {
    const QByteArray before = "; my notes\r\n[mine]\r\nfoo = bar\r\n\r\n[options]\r\n"
                              "savercon=1\r\n# odd line\r\nlater=2\r\n[set0]\r\nname=x\r\n";
    writeAll(m_path, before);
    ProfileFile file(m_path);
    QVERIFY(file.write(QStringLiteral("options"), QStringLiteral("savercon"), QStringLiteral("0")));
    QByteArray expected = before;
    expected.replace("savercon=1", "savercon=0");
    QCOMPARE(readAll(m_path), expected);
}

void TestSettingsFile::writeAddsKeysAndSections() {
    writeAll(m_path, "[options]\r\nsavercon=1\r\n\r\n[other]\r\na=b\r\n");
    ProfileFile file(m_path);
    QVERIFY(file.write(QStringLiteral("options"), QStringLiteral("usequery"), QStringLiteral("1")));
    QVERIFY(
        file.write(QStringLiteral("Remoteuser"), QStringLiteral("user"), QStringLiteral("Bob")));
    QCOMPARE(readAll(m_path), QByteArray("[options]\r\nsavercon=1\r\nusequery=1\r\n\r\n[other]\r\n"
                                         "a=b\r\n[Remoteuser]\r\nuser=Bob\r\n"));
    QCOMPARE(readRemoteUser(file), QStringLiteral("Bob"));
}

void TestSettingsFile::writeRefusesLineBreaksInValues() {
    ProfileFile file(m_path);
    QVERIFY(file.write(QStringLiteral("set0"), QStringLiteral("mess0"),
                       QStringLiteral("hi\r\n[options]\nautoconnect=1")));
    QVERIFY(!loadOptions(file).autoconnect);
    QCOMPARE(file.read(QStringLiteral("set0"), QStringLiteral("mess0")),
             QStringLiteral("hi  [options] autoconnect=1"));
}

void TestSettingsFile::newFileIsPrivate() {
    ProfileFile file(m_path);
    QVERIFY(file.write(QStringLiteral("rcon"), QStringLiteral("rcon1"), QStringLiteral("secret")));
    QCOMPARE(QFile::permissions(m_path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                           QFileDevice::WriteGroup | QFileDevice::WriteOther),
             QFileDevice::Permissions());
    QVERIFY(QFile::permissions(m_path) & QFileDevice::WriteOwner);
}

void TestSettingsFile::failedWritesAreReported_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("missing folder") << "folder";
    QTest::newRow("read-only file") << "readonly";
    QTest::newRow("path is a folder") << "isdir";
}

void TestSettingsFile::failedWritesAreReported() {
    QFETCH(QString, how);
    QString path = m_path;
    if (how == QLatin1String("folder")) {
        path = m_dir.filePath(QStringLiteral("missing/vostrel.ini"));
    } else if (how == QLatin1String("readonly")) {
        writeAll(m_path, "[options]\r\nsavercon=1\r\n");
        QFile::setPermissions(m_path, QFileDevice::ReadOwner);
    } else {
        path = m_dir.filePath(QStringLiteral("adir"));
        QDir(m_dir.path()).mkdir(QStringLiteral("adir"));
    }
    ProfileFile file(path);
    QVERIFY(
        !file.write(QStringLiteral("options"), QStringLiteral("savercon"), QStringLiteral("0")));
    QVERIFY(file.errorCode() != 0);
    QVERIFY(!file.errorDescription().isEmpty());
    if (how == QLatin1String("readonly")) {
        QCOMPARE(readAll(m_path), QByteArray("[options]\r\nsavercon=1\r\n"));
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

void TestSettingsFile::serverListStopsAtFirstGap() {
    writeAll(m_path, "[servers]\r\nserver1=a.example\r\nserver2=10.0.0.2\r\nserver4=d\r\n"
                     "[ports]\r\nport1=28960\r\nport2=28961\r\nport4=1\r\n"
                     "[rcon]\r\nrcon1=pa\r\nrcon2=pb\r\nrcon4=pd\r\n");
    const QList<SavedServer> servers = readSavedServers(ProfileFile(m_path));
    QCOMPARE(servers.size(), 2);
    QCOMPARE(servers[1].entry(), QStringLiteral("10.0.0.2:28961"));
    QCOMPARE(servers[1].password, QStringLiteral("pb"));
}

void TestSettingsFile::serverListAtExitBlanksRemovedEntries() {
    ProfileFile file(m_path);
    const ServerListWriteResult result =
        writeSavedServers(file, {QStringLiteral("a:1"), QStringLiteral("c:3")},
                          {QStringLiteral("pa"), QStringLiteral("pc")}, 3);
    QVERIFY(result.ok);
    QCOMPARE(readAll(m_path), QByteArray("[servers]\r\nserver1=a\r\nserver2=c\r\nserver3=\r\n"
                                         "[ports]\r\nport1=1\r\nport2=3\r\nport3=\r\n"
                                         "[rcon]\r\nrcon1=pa\r\nrcon2=pc\r\nrcon3=\r\n"));
    QCOMPARE(readSavedServers(file).size(), 2);

    ProfileFile broken(m_dir.filePath(QStringLiteral("missing/vostrel.ini")));
    const ServerListWriteResult failed =
        writeSavedServers(broken, {QStringLiteral("a:1")}, {QStringLiteral("pa")}, 1);
    QVERIFY(!failed.ok);
    QCOMPARE(failed.failedPart, QStringLiteral("Server"));
}

void TestSettingsFile::ipv6EntriesKeepTheirAddress() {
    ProfileFile file(m_path);
    QVERIFY(writeSavedServers(file, {QStringLiteral("::1:28960")}, {QStringLiteral("p")}, 0).ok);
    const QList<SavedServer> servers = readSavedServers(file);
    QCOMPARE(servers.size(), 1);
    QCOMPARE(servers[0].address, QStringLiteral("::1"));
    QCOMPARE(servers[0].port, QStringLiteral("28960"));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
