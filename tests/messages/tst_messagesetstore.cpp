#include "messages/MessageSetStore.h"
#include "settings/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The used slots of a copy: each set's name and messages, in slot order.
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
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

} // namespace

// How sets are written and read back; the page test walks the operator's edits through it.
class TestMessageSetStore : public QObject {
    Q_OBJECT
private slots:
    void load_data();
    void load();
    void save_data();
    void save();
    void failedWriteKeepsSavedCopy();
    void storable_data();
    void storable();

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(u"vostrel.ini"_s); }
};

void TestMessageSetStore::load_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Slots>("expected");

    QByteArray eleven;
    Slots ten;
    for (int i = 0; i < 11; ++i) {
        eleven +=
            "[set" + QByteArray::number(i) + "]\nname=S" + QByteArray::number(i) + "\nmess0=m\n";
        if (i < 10)
            ten << qMakePair(u"S%1"_s.arg(i), QStringList{u"m"_s});
    }
    QTest::newRow("no file") << QByteArray() << Slots{};
    QTest::newRow("section and key names in any letter case")
        << QByteArray("[SET0]\nNAME=Upper\nMESS0=one\nMess1=two\n")
        << Slots{{"Upper", {"one", "two"}}};
    QTest::newRow("long texts come back cut to 199")
        << "[set0]\nname=" + QByteArray(250, 'n') + "\nmess0=" + QByteArray(300, 'm') + "\n"
        << Slots{{QString(199, u'n'), {QString(199, u'm')}}};
    QTest::newRow("ten sets, an eleventh section ignored") << eleven << ten;
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
    state.setnameedit[9] = u"stale"_s;
    state.messlive[9] = QStringList{u"stale"_s};
    state.editset = 4;

    QCOMPARE(int(MessageSetStore(profile).load(state)), int(expected.size()));
    QCOMPARE(int(state.setcount), int(expected.size()));
    QCOMPARE(int(state.editset), 0);
    QCOMPARE(slotsOf(state.setnameedit, state.messedit), expected);
    QCOMPARE(slotsOf(state.setnamelive, state.messlive), expected);
}

void TestMessageSetStore::save_data() {
    QTest::addColumn<Slots>("working"); // slot by slot, empty names are free slots
    QTest::newRow("free slots between: written densely, the texts kept as they are")
        << Slots{{"Early", {"^1red ^7white"}},
                 {"", {}},
                 {"", {}},
                 {"Late", {"x = y", "; not a comment", "[not a section]"}}};
    QTest::newRow("nothing to write: every name emptied") << Slots{};
}

void TestMessageSetStore::save() {
    QFETCH(Slots, working);
    // An older, longer file: its extra sets and messages must not come back.
    QByteArray old;
    for (int i = 0; i < 4; ++i)
        old += "[set" + QByteArray::number(i) + "]\nname=Old\nmess0=o\nmess1=p\nmess2=q\nmess3=r\n";
    writeFile(iniPath(), old);

    ProfileFile profile(iniPath());
    SharedState state;
    for (int i = 0; i < working.size(); ++i) {
        state.setnameedit[i] = working.at(i).first;
        state.messedit[i] = working.at(i).second;
    }
    const Slots written = slotsOf(state.setnameedit, state.messedit);
    const MessageSetStore::SaveResult result = MessageSetStore(profile).save(state);
    QVERIFY(result.ok);
    QCOMPARE(result.written, written.size());
    QCOMPARE(int(state.setcount), written.size());
    // The saved copy is now the working copy, slot for slot, and the file gives it back.
    QCOMPARE(state.setnamelive, state.setnameedit);
    QCOMPARE(state.messlive, state.messedit);
    SharedState reread;
    MessageSetStore(profile).load(reread);
    QCOMPARE(slotsOf(reread.setnameedit, reread.messedit), written);
}

void TestMessageSetStore::failedWriteKeepsSavedCopy() {
    // A folder that does not exist: the first write fails.
    ProfileFile profile(m_dir.filePath(u"missing/vostrel.ini"_s));
    SharedState state;
    state.setnamelive[0] = state.setnameedit[0] = u"Old"_s;
    state.messlive[0] = state.messedit[0] = {u"old"_s};
    state.setcount = 1;
    state.setnameedit[1] = u"New"_s;
    state.messedit[1] = {u"new"_s};

    const MessageSetStore::SaveResult result = MessageSetStore(profile).save(state);
    QVERIFY(!result.ok);
    QCOMPARE(result.written, 0);
    QVERIFY(result.errorCode != 0);
    QCOMPARE(int(state.setcount), 1);
    QCOMPARE(slotsOf(state.setnamelive, state.messlive), (Slots{{"Old", {"old"}}}));
    // The working copy is untouched, so nothing of the edit is lost.
    QCOMPARE(state.setnameedit.at(1), u"New"_s);
}

void TestMessageSetStore::storable_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("blanks around go") << u"  hi ^1there  "_s << u"hi ^1there"_s;
    QTest::newRow("blank only is nothing") << u"   "_s << QString();
    QTest::newRow("line breaks become blanks") << u"one\r\ntwo"_s << u"one  two"_s;
    QTest::newRow("cut to 199") << QString(250, u'x') << QString(199, u'x');
    QTest::newRow("cut that ends in a blank")
        << QString(198, u'x') + u"  tail"_s << QString(198, u'x');
}

void TestMessageSetStore::storable() {
    QFETCH(QString, typed);
    QTEST(messagesets::storable(typed), "stored");
}

QTEST_GUILESS_MAIN(TestMessageSetStore)
#include "tst_messagesetstore.moc"
