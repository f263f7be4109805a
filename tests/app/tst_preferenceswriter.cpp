#include "settings/OptionsStore.h"
#include "settings/PreferencesWriter.h"
#include "settings/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Values = QMap<QString, QString>;

namespace {

// The values of every control when the operator saves; which of them count is the test's.
PreferenceEdits edits(const QStringList& changed) {
    PreferenceEdits e;
    e.values.savercon = false;
    e.values.savemessages = false;
    e.values.usequery = true;
    e.values.autoqplayer = true;
    e.values.autoqplayerint = 20;
    e.values.autokick999 = false;
    e.values.autokick999int = 4;
    e.values.autoconnectrcon = QStringLiteral("pa ss");
    e.messagesetText = QStringLiteral("abc");
    e.messagetimeText = QStringLiteral(" 2.5 ");
    e.changed = QSet<QString>(changed.cbegin(), changed.cend());
    return e;
}

} // namespace

class TestPreferencesWriter : public QObject {
    Q_OBJECT
private slots:
    void save_data();
    void save();
};

void TestPreferencesWriter::save_data() {
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<Values>("file");        // expected keys of section "options"
    QTest::addColumn<QStringList>("failed"); // not empty: the file is read-only

    // The page test saves every control once; these are the rules behind it.
    QTest::newRow("cleared box with its slider")
        << QStringList{"autokick999"} << Values{{"autokick999", "0"}, {"autokick999int", "4"}}
        << QStringList{};
    QTest::newRow("message set not a number")
        << QStringList{"messageset"} << Values{{"messageset", "0"}} << QStringList{};
    QTest::newRow("interval with blanks and fraction")
        << QStringList{"messagetime"} << Values{{"messagetime", "2"}} << QStringList{};
    QTest::newRow("several") << QStringList{"savercon", "autoqplayer", "autoconnectrcon"}
                             << Values{{"savercon", "0"},
                                       {"autoqplayer", "1"},
                                       {"autoqplayerint", "20"},
                                       {"autoconnectrcon", "pa ss"}}
                             << QStringList{};
    // Nothing after "savercon" is applied or tried.
    QTest::newRow("savercon fails")
        << QStringList{"savercon", "savemessages"} << Values{} << QStringList{"savercon"};
    // The slider's key is not tried once its check box could not be written.
    QTest::newRow("others fail") << QStringList{"usequery", "autoqplayer"} << Values{}
                                 << QStringList{"usequery", "autoqplayer"};
}

void TestPreferencesWriter::save() {
    QFETCH(QStringList, changed);
    QFETCH(Values, file);
    QFETCH(QStringList, failed);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vostrel.ini"));
    if (!failed.isEmpty()) {
        QFile ini(path);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[options]\r\nsavercon=1\r\n");
        ini.close();
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    }
    ProfileFile f(path);
    Options options;
    const PreferenceSaveResult result = savePreferences(f, options, edits(changed));
    QStringList keys;
    for (const PreferenceWriteFailure& failure : result.failures) {
        keys << failure.key;
        QVERIFY(!failure.errorDescription.isEmpty());
    }
    QCOMPARE(keys, failed);
    QCOMPARE(result.stoppedAtSavercon, failed.contains(QStringLiteral("savercon")));
    QCOMPARE(options.savemessages, true);
    QCOMPARE(QSet<QString>(result.written.cbegin(), result.written.cend()),
             QSet<QString>(file.keyBegin(), file.keyEnd()));
    for (auto it = file.cbegin(); it != file.cend(); ++it)
        QCOMPARE(f.read(QStringLiteral("options"), it.key()), it.value());
    if (!failed.isEmpty())
        return;

    // What was written is in effect at once, and nothing else changed.
    const auto summary = [](const Options& o) {
        return QList<int>{o.savercon,       o.autoqplayer, o.autoqplayerint, o.autokick999,
                          o.autokick999int, o.messageset,  o.messagetime};
    };
    QCOMPARE(summary(options), summary(loadOptions(f)));
    QCOMPARE(options.autoconnectrcon, loadOptions(f).autoconnectrcon);
}

QTEST_GUILESS_MAIN(TestPreferencesWriter)
#include "tst_preferenceswriter.moc"
