#include "settings/OptionsStore.h"
#include "settings/PreferencesWriter.h"
#include "settings/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Values = QMap<QString, QString>;

class TestPreferencesWriter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void changes_data();
    void changes();
    void everyKeyInOrder();
    void saverconFailureStops();
    void otherFailuresAreReported();

private:
    ProfileFile file() const { return ProfileFile(m_dir->filePath(QStringLiteral("vostrel.ini"))); }
    void makeReadOnly() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPreferencesWriter::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPreferencesWriter::makeReadOnly() const {
    const QString path = m_dir->filePath(QStringLiteral("vostrel.ini"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[options]\r\nsavercon=1\r\n");
    f.close();
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
}

void TestPreferencesWriter::changes_data() {
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<Values>("file"); // expected keys of section "options"

    QTest::newRow("switch off") << QStringList{"savercon"} << Values{{"savercon", "0"}};
    QTest::newRow("box with its slider")
        << QStringList{"autoqplayer"} << Values{{"autoqplayer", "1"}, {"autoqplayerint", "20"}};
    QTest::newRow("kick box with its slider")
        << QStringList{"autokick999"} << Values{{"autokick999", "0"}, {"autokick999int", "4"}};
    QTest::newRow("texts as typed")
        << QStringList{"autoconnectserv", "autoconnectrcon"}
        << Values{{"autoconnectserv", "cod.example.net"}, {"autoconnectrcon", "pa ss"}};
    QTest::newRow("message set not a number")
        << QStringList{"messageset"} << Values{{"messageset", "0"}};
    QTest::newRow("interval with blanks and fraction")
        << QStringList{"messagetime"} << Values{{"messagetime", "2"}};
}

void TestPreferencesWriter::changes() {
    QFETCH(QStringList, changed);
    QFETCH(Values, file);

    PreferenceEdits edits;
    edits.values.savercon = false;
    edits.values.autoqplayer = true;
    edits.values.autoqplayerint = 20;
    edits.values.autokick999 = false;
    edits.values.autokick999int = 4;
    edits.values.autoconnectserv = QStringLiteral("cod.example.net");
    edits.values.autoconnectrcon = QStringLiteral("pa ss");
    edits.messagesetText = QStringLiteral("abc");
    edits.messagetimeText = QStringLiteral(" 2.5 ");
    edits.changed = QSet<QString>(changed.cbegin(), changed.cend());

    ProfileFile f = this->file();
    Options options;
    const PreferenceSaveResult result = savePreferences(f, options, edits);
    QVERIFY(result.ok());
    QCOMPARE(QSet<QString>(result.written.cbegin(), result.written.cend()),
             QSet<QString>(file.keyBegin(), file.keyEnd()));
    for (auto it = file.cbegin(); it != file.cend(); ++it)
        QCOMPARE(f.read(QStringLiteral("options"), it.key()), it.value());

    // What was written is in effect at once, nothing else changed.
    const Options reread = loadOptions(f);
    QCOMPARE(options.savercon, reread.savercon);
    QCOMPARE(options.autoqplayer, reread.autoqplayer);
    QCOMPARE(options.autoqplayerint, reread.autoqplayerint);
    QCOMPARE(options.autokick999int, reread.autokick999int);
    QCOMPARE(options.autoconnectserv, reread.autoconnectserv);
    QCOMPARE(options.autoconnectrcon, reread.autoconnectrcon);
    QCOMPARE(options.messageset, reread.messageset);
    QCOMPARE(options.messagetime, reread.messagetime);
}

void TestPreferencesWriter::everyKeyInOrder() {
    PreferenceEdits edits;
    edits.messagesetText = QStringLiteral("1");
    edits.messagetimeText = QStringLiteral("3");
    const QStringList boxes{"savercon",    "savemessages",    "clearrconnew",    "clearmessnew",
                            "removeid",    "usequery",        "autoqplayer",     "autokick999",
                            "autoconnect", "autoconnectserv", "autoconnectport", "autoconnectrcon",
                            "automessage", "messageset",      "messagetime"};
    edits.changed = QSet<QString>(boxes.cbegin(), boxes.cend());
    ProfileFile f = file();
    Options options;
    const PreferenceSaveResult result = savePreferences(f, options, edits);
    QVERIFY(result.ok());
    QCOMPARE(result.written,
             (QStringList{"savercon", "savemessages", "clearrconnew", "clearmessnew", "removeid",
                          "usequery", "autoqplayer", "autoqplayerint", "autokick999",
                          "autokick999int", "autoconnect", "autoconnectserv", "autoconnectport",
                          "autoconnectrcon", "automessage", "messageset", "messagetime"}));
}

void TestPreferencesWriter::saverconFailureStops() {
    makeReadOnly();
    PreferenceEdits edits;
    edits.values.savercon = false;
    edits.values.savemessages = false;
    edits.changed = {QStringLiteral("savercon"), QStringLiteral("savemessages")};
    ProfileFile f = file();
    Options options;
    const PreferenceSaveResult result = savePreferences(f, options, edits);
    QVERIFY(result.stoppedAtSavercon);
    QCOMPARE(result.failures.size(), 1);
    QCOMPARE(result.failures.first().key, QStringLiteral("savercon"));
    QVERIFY(!result.failures.first().errorDescription.isEmpty());
    QVERIFY(result.written.isEmpty());
    QCOMPARE(options.savemessages, true); // nothing after the failure was applied
}

void TestPreferencesWriter::otherFailuresAreReported() {
    makeReadOnly();
    PreferenceEdits edits;
    edits.values.usequery = true;
    edits.values.autoqplayer = true;
    edits.values.autoqplayerint = 30;
    edits.changed = {QStringLiteral("usequery"), QStringLiteral("autoqplayer")};
    ProfileFile f = file();
    Options options;
    const PreferenceSaveResult result = savePreferences(f, options, edits);
    QVERIFY(!result.stoppedAtSavercon);
    QVERIFY(!result.ok());
    QStringList failed;
    for (const PreferenceWriteFailure& failure : result.failures)
        failed << failure.key;
    // The slider's key is not tried once its check box could not be written.
    QCOMPARE(failed, (QStringList{"usequery", "autoqplayer"}));
    QCOMPARE(f.read(QStringLiteral("options"), QStringLiteral("usequery")), QString());
}

QTEST_GUILESS_MAIN(TestPreferencesWriter)
#include "tst_preferenceswriter.moc"
