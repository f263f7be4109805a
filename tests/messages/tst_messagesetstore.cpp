#include "messages/MessageSetStore.h"
#include "settings/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A loaded copy: the names of the ten slots and their messages.
using Slots = QList<QPair<QString, QStringList>>;
Q_DECLARE_METATYPE(Slots)

namespace {

Slots slotsOf(const QStringList& names, const QList<QStringList>& messages) {
    Slots result;
    for (int i = 0; i < names.size(); ++i)
        if (!names.at(i).isEmpty() || !messages.at(i).isEmpty())
            result << qMakePair(names.at(i), messages.at(i));
    return result;
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Every "section/key" of the file with its value, as the file holds it (keys lower case).
QHash<QString, QString> rawEntries(const QString& path) {
    QHash<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QString section;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith(u'['))
            section = line.mid(1, line.indexOf(u']') - 1).toLower();
        else if (line.contains(u'='))
            entries.insert(section + u'/' + line.section(u'=', 0, 0).toLower(),
                           line.section(u'=', 1));
    }
    return entries;
}

} // namespace

class TestMessageSetStore : public QObject {
    Q_OBJECT
private slots:
    void load_data();
    void load();
    void saveLayout_data();
    void saveLayout();
    void saveReadsBack();
    void failedWriteKeepsSavedCopy();
    void storable_data();
    void storable();
    void slotHelpers();
    void revert();

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("vostrel.ini")); }
};

void TestMessageSetStore::load_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Slots>("expected");

    QTest::newRow("no file") << QByteArray() << Slots{};
    QTest::newRow("set0 and set2 without set1: one set")
        << QByteArray("[set0]\nname=First\nmess0=a\nmess1=\n"
                      "[set2]\nname=Third\nmess0=c\nmess1=\n")
        << Slots{{"First", {"a"}}};
    QTest::newRow("mess1 missing: one message although mess2 exists")
        << QByteArray("[set0]\nname=Clan\nmess0=hello\nmess2=later\n")
        << Slots{{"Clan", {"hello"}}};
    QTest::newRow("set with empty mess0 and mess1 has no messages")
        << QByteArray("[set0]\nname=Empty\nmess0=\nmess1=\n[set1]\nname=Next\nmess0=x\nmess1=\n")
        << Slots{{"Empty", {}}, {"Next", {"x"}}};
    QTest::newRow("section and key names in any letter case")
        << QByteArray("[SET0]\nNAME=Upper\nMESS0=one\nMess1=two\n")
        << Slots{{"Upper", {"one", "two"}}};
    QTest::newRow("long texts come back cut to 199")
        << QByteArray("[set0]\nname=" + QByteArray(250, 'n') + "\nmess0=" + QByteArray(300, 'm') +
                      "\n")
        << Slots{{QString(199, u'n'), {QString(199, u'm')}}};
    QTest::newRow("ten sets, an eleventh section ignored") <<
        [] {
            QByteArray text;
            for (int i = 0; i < 11; ++i)
                text += "[set" + QByteArray::number(i) + "]\nname=S" + QByteArray::number(i) +
                        "\nmess0=m\n";
            return text;
        }() <<
        [] {
            Slots s;
            for (int i = 0; i < 10; ++i)
                s << qMakePair(QStringLiteral("S%1").arg(i), QStringList{"m"});
            return s;
        }();
}

void TestMessageSetStore::load() {
    QFETCH(QByteArray, file);
    QFETCH(Slots, expected);
    QFile::remove(iniPath());
    if (!file.isNull())
        writeFile(iniPath(), file);
    ProfileFile profile(iniPath());
    SharedState state;
    // Leftovers of an earlier load must go.
    state.setnameedit[9] = QStringLiteral("stale");
    state.messlive[9] = QStringList{QStringLiteral("stale")};
    state.editset = 4;

    const qint16 count = MessageSetStore(profile).load(state);
    QCOMPARE(int(count), int(expected.size()));
    QCOMPARE(int(state.setcount), int(expected.size()));
    QCOMPARE(int(state.editset), 0);
    QCOMPARE(slotsOf(state.setnameedit, state.messedit), expected);
    QCOMPARE(slotsOf(state.setnamelive, state.messlive), expected);
    QCOMPARE(state.setnameedit.size(), kMessageSetSlots);
    QCOMPARE(state.messlive.size(), kMessageSetSlots);
}

void TestMessageSetStore::saveLayout_data() {
    QTest::addColumn<Slots>("working");    // slot by slot, empty names are free slots
    QTest::addColumn<QStringList>("keys"); // section/key=value that must be in the file
    QTest::addColumn<int>("written");

    QTest::newRow("free slot in the middle: written densely")
        << Slots{{"A", {"a1", "a2"}}, {"", {}}, {"C", {"c1"}}}
        << QStringList{"set0/name=A", "set0/mess0=a1", "set0/mess1=a2",
                       "set0/mess2=", "set1/name=C",   "set1/mess0=c1",
                       "set1/mess1=", "set2/name=",    "set9/name="}
        << 2;
    QTest::newRow("set without messages: mess0 and mess1 empty")
        << Slots{{"Quiet", {}}}
        << QStringList{"set0/name=Quiet", "set0/mess0=", "set0/mess1=", "set1/name="} << 1;
    QTest::newRow("nothing to write: every name emptied")
        << Slots{} << QStringList{"set0/name=", "set5/name=", "set9/name="} << 0;
}

void TestMessageSetStore::saveLayout() {
    QFETCH(Slots, working);
    QFETCH(QStringList, keys);
    QFETCH(int, written);
    // An older, longer file: its extra sets must not come back.
    QFile::remove(iniPath());
    QByteArray old;
    for (int i = 0; i < 4; ++i)
        old += "[set" + QByteArray::number(i) + "]\nname=Old" + QByteArray::number(i) +
               "\nmess0=o\nmess1=p\nmess2=q\nmess3=\n";
    writeFile(iniPath(), old);

    ProfileFile profile(iniPath());
    SharedState state;
    for (int i = 0; i < working.size(); ++i) {
        state.setnameedit[i] = working.at(i).first;
        state.messedit[i] = working.at(i).second;
    }
    const MessageSetStore::SaveResult result = MessageSetStore(profile).save(state);
    QVERIFY(result.ok);
    QCOMPARE(result.written, written);
    QCOMPARE(int(state.setcount), written);

    const QHash<QString, QString> file = rawEntries(iniPath());
    for (const QString& entry : keys) {
        const QString key = entry.section(u'=', 0, 0);
        QVERIFY2(file.contains(key), qPrintable(entry));
        QCOMPARE(file.value(key), entry.section(u'=', 1));
    }
    // The saved copy is now the working copy, slot for slot.
    QCOMPARE(state.setnamelive, state.setnameedit);
    QCOMPARE(state.messlive, state.messedit);
}

void TestMessageSetStore::saveReadsBack() {
    QFile::remove(iniPath());
    ProfileFile profile(iniPath());
    SharedState state;
    state.setnameedit[3] = QStringLiteral("Late slot");
    state.messedit[3] = {QStringLiteral("x = y"), QStringLiteral("; not a comment"),
                         QStringLiteral("[not a section]")};
    state.setnameedit[1] = QStringLiteral("Early");
    state.messedit[1] = {QStringLiteral("^1red ^7white")};
    QVERIFY(MessageSetStore(profile).save(state).ok);

    SharedState reread;
    QCOMPARE(int(MessageSetStore(profile).load(reread)), 2);
    QCOMPARE(slotsOf(reread.setnameedit, reread.messedit),
             (Slots{{"Early", state.messedit[1]}, {"Late slot", state.messedit[3]}}));
}

void TestMessageSetStore::failedWriteKeepsSavedCopy() {
    // A folder that does not exist: the first write fails.
    ProfileFile profile(m_dir.filePath(QStringLiteral("missing/vostrel.ini")));
    SharedState state;
    state.setnamelive[0] = state.setnameedit[0] = QStringLiteral("Old");
    state.messlive[0] = state.messedit[0] = {QStringLiteral("old")};
    state.setcount = 1;
    state.setnameedit[1] = QStringLiteral("New");
    state.messedit[1] = {QStringLiteral("new")};

    const MessageSetStore::SaveResult result = MessageSetStore(profile).save(state);
    QVERIFY(!result.ok);
    QCOMPARE(result.written, 0);
    QVERIFY(result.errorCode != 0);
    QCOMPARE(int(state.setcount), 1);
    QCOMPARE(state.setnamelive.at(1), QString());
    QCOMPARE(state.messlive.at(0), QStringList{QStringLiteral("old")});
    // The working copy is untouched, so nothing of the edit is lost.
    QCOMPARE(state.setnameedit.at(1), QStringLiteral("New"));
}

void TestMessageSetStore::storable_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << "Welcome ^1all"
                           << "Welcome ^1all";
    QTest::newRow("blanks around go") << "  hi there  "
                                      << "hi there";
    QTest::newRow("blank only is nothing") << "   "
                                           << "";
    QTest::newRow("line breaks become blanks") << "one\r\ntwo"
                                               << "one  two";
    QTest::newRow("cut to 199") << QString(250, u'x') << QString(199, u'x');
    QTest::newRow("cut that ends in a blank")
        << QString(198, u'x') + QStringLiteral("  tail") << QString(198, u'x');
}

void TestMessageSetStore::storable() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(messagesets::storable(typed), stored);
}

void TestMessageSetStore::slotHelpers() {
    QStringList names(kMessageSetSlots);
    QCOMPARE(messagesets::lowestFreeSlot(names), 0);
    QCOMPARE(messagesets::usedSlots(names), 0);
    names[0] = QStringLiteral("A");
    names[2] = QStringLiteral("B");
    names[5] = QStringLiteral("A");
    QCOMPARE(messagesets::lowestFreeSlot(names), 1);
    QCOMPARE(messagesets::usedSlots(names), 3);
    QCOMPARE(messagesets::firstSlotNamed(names, QStringLiteral("A")), 0);
    QCOMPARE(messagesets::firstSlotNamed(names, QStringLiteral("a")), -1);
    QCOMPARE(messagesets::firstSlotNamed(names, QString()), -1);
    for (QString& n : names)
        n = QStringLiteral("full");
    QCOMPARE(messagesets::lowestFreeSlot(names), -1);

    QStringList messages{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    QVERIFY(messagesets::swapMessages(messages, 2, 1));
    QCOMPARE(messages, (QStringList{"1", "3", "2"}));
    QVERIFY(!messagesets::swapMessages(messages, 0, -1));
    QVERIFY(!messagesets::swapMessages(messages, 2, 3));
    QCOMPARE(messages, (QStringList{"1", "3", "2"}));
}

void TestMessageSetStore::revert() {
    SharedState state;
    state.setnamelive[0] = QStringLiteral("Kept");
    state.messlive[0] = {QStringLiteral("k")};
    state.setnameedit[0] = QStringLiteral("Kept");
    state.messedit[0] = {QStringLiteral("k"), QStringLiteral("added")};
    state.setnameedit[4] = QStringLiteral("New");
    state.setcount = 2;
    messagesets::revertToSaved(state);
    QCOMPARE(state.setnameedit, state.setnamelive);
    QCOMPARE(state.messedit, state.messlive);
    QCOMPARE(int(state.setcount), 1);
}

QTEST_GUILESS_MAIN(TestMessageSetStore)
#include "tst_messagesetstore.moc"
