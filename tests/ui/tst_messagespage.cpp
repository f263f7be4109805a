#include "MessagesFixture.h"
#include "ui/ProgressNotice.h"

#include <QFile>
#include <QFocusEvent>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kThreeSets = setSection(0, "Alpha", {"a1", "a2", "a3"}) +
                              setSection(1, "Bravo", {"b1"}) + setSection(2, "Charlie", {"c1"});
const QString kNewSet = u"New Message Set: Add new Set to list"_s;
const QString kSave = u"Save Changes: Save message sets to INI"_s;

// One operator step on the page: "choose <set>" (type a set name and leave the box), "name
// <text>" (only type it), "pick <entry>", "type <message>" (type and leave), "leave",
// "select <row>" (-1: none), "edit <row>" (double-click), "click <control>", "answer <Cancel|
// No>" for the next box, "unwritable" (the settings file's folder is gone), "reload" (what
// start-up reads) and "exit" (close the window, going back to save).
void runStep(MessagesFixture& p, const QString& step) {
    const QString verb = step.section(u' ', 0, 0);
    const QString arg = step.section(u' ', 1);
    if (verb == "choose"_L1) {
        p.chooseSet(arg);
    } else if (verb == "name"_L1) {
        p.combo->setEditText(arg);
    } else if (verb == "pick"_L1) {
        p.combo->setCurrentIndex(arg.toInt());
        emit p.combo->activated(arg.toInt());
    } else if (verb == "type"_L1) {
        p.addMessage(arg);
    } else if (verb == "leave"_L1) {
        p.page->txtmess_LostFocus();
    } else if (verb == "select"_L1) {
        p.list->clearSelection();
        if (arg.toInt() >= 0)
            p.list->setCurrentRow(arg.toInt());
    } else if (verb == "edit"_L1) {
        p.list->setCurrentRow(arg.toInt());
        emit p.list->itemDoubleClicked(p.list->item(arg.toInt()));
    } else if (verb == "click"_L1) {
        p.click(arg);
    } else if (verb == "answer"_L1) {
        p.h.dialogs.setNextAnswer(arg == "No"_L1 ? Dialogs::Answer::No : Dialogs::Answer::Cancel);
    } else if (verb == "unwritable"_L1) {
        p.h.main->settings().setPath(p.h.path(u"gone/vostrel.ini"_s));
    } else if (verb == "reload"_L1) {
        p.page->loadSets();
    } else if (verb == "exit"_L1) {
        p.h.main->show();
        p.h.dialogs.setNextAnswer(Dialogs::Answer::Ok);
        p.h.main->close();
        QVERIFY(p.h.main->isVisible());
    } else {
        QFAIL(qPrintable(u"unknown step "_s + step));
    }
}

} // namespace

class TestMessagesPage : public QObject {
    Q_OBJECT
private slots:
    void edits_data();
    void edits();
    void focusLossAndTab();
};

void TestMessagesPage::edits_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("steps");     // separated by ", "
    QTest::addColumn<QStringList>("sets");  // the combo box's entries
    QTest::addColumn<QStringList>("shown"); // the messages listed
    QTest::addColumn<bool>("pending");
    QTest::addColumn<QStringList>("told");    // the boxes as "title: text", then the log lines
    QTest::addColumn<QByteArrayList>("file"); // pieces the settings file holds afterwards
    const auto row = [](const char* name, const QByteArray& settings, const QString& steps,
                        const QStringList& sets, const QStringList& shown, bool pending,
                        const QStringList& told = {}, const QByteArrayList& file = {}) {
        QTest::newRow(name) << settings << steps << sets << shown << pending << told << file;
    };

    const QStringList abc{"Alpha", "Bravo", "Charlie"};
    const QStringList a123{"a1", "a2", "a3"};
    const QStringList a1234{"a1", "a2", "a3", "a4"};
    const QByteArray alphaSaved = setSection(0, "Alpha", {"a1", "a2", "a3"});
    const QString discard = u"Discard changes: Discard changes and reset to existing"_s;
    const QString noSet = u"No set selected: No message set selected in Message Set field"_s;
    const QString confirm = u"Confirm Delete: Are you sure you want to delete the set named:\r"_s;
    QByteArray ten;
    QStringList tenNames;
    for (int i = 0; i < 10; ++i) {
        ten += setSection(i, "Set" + QByteArray::number(i), {"m"});
        tenNames << u"Set%1"_s.arg(i);
    }

    row("no settings file", {}, {}, {}, {}, false);
    row("set0 and set2 without set1: one set",
        "[set0]\nname=First\nmess0=one\nmess1=\n[set2]\nname=Third\nmess0=x\n", {}, {"First"},
        {"one"}, false);
    row("mess1 missing: one message", "[set0]\nname=Gappy\nmess0=one\nmess2=three\n", {}, {"Gappy"},
        {"one"}, false);
    row("picking from the drop-down list shows the set", kThreeSets, u"pick 2"_s, abc, {"c1"},
        false);
    row("new set cancelled, then accepted: last, empty, unsaved", kThreeSets,
        u"answer Cancel, choose Delta, choose Delta"_s, abc + QStringList{"Delta"}, {}, true,
        {kNewSet, kNewSet});
    row("the eleventh set refused with the count in the box", ten, u"choose Eleventh"_s, tenNames,
        {"m"}, false,
        {"No Free Slots: No free sets left, 10 in use\rTo add new you must remove an old one"});
    row("add, then edit in place; the file waits for a save", kThreeSets,
        u"choose Bravo, type   b2 with blanks  , edit 0, type b1!"_s, abc,
        {"b1!", "b2 with blanks"}, true, {}, {setSection(1, "Bravo", {"b1"})});
    row("double-click and leave without typing", kThreeSets, u"edit 1, leave"_s, abc, a123, false);
    row("a message without a set is kept for the next set", {},
        u"type orphan, choose Fresh, leave"_s, {"Fresh"}, {"orphan"}, true, {noSet, kNewSet});
    row("delete the middle message, move the last up, save", kThreeSets,
        u"select 1, click imgdel, select 1, click imgup, click cmdsetsave"_s, abc, {"a3", "a1"},
        false, {kSave}, {setSection(0, "Alpha", {"a3", "a1"})});
    row("moves follow the selection, a delete drops it", kThreeSets,
        u"select 0, click imgdown, click imgdown, click imgdel, click imgdel"_s, abc, {"a2", "a3"},
        true, {}, {alphaSaved});
    row("moves past the ends or without a selection change nothing", kThreeSets,
        u"select -1, click imgup, click imgdown, click imgdel, select 0, click imgup, select 2, "
        "click imgdown"_s,
        abc, a123, false);
    row("delete the second of three sets and save", kThreeSets,
        u"choose Bravo, click cmdsetdel, click cmdsetsave"_s, {"Alpha", "Charlie"}, a123, false,
        {confirm + "Bravo", kSave, "Set named Bravo removed."},
        {alphaSaved, setSection(1, "Charlie", {"c1"}), "[set2]\r\nname=\r\n",
         "[set9]\r\nname=\r\n"});
    row("delete without a matching name offers the last; cancelled", kThreeSets,
        u"name nobody, answer Cancel, click cmdsetdel"_s, abc, a123, false, {confirm + "Charlie"});
    row("delete without any set", {}, u"click cmdsetdel"_s, {}, {}, false, {noSet});
    row("a set without messages is saved and read back", {},
        u"choose Quiet, click cmdsetsave, reload"_s, {"Quiet"}, {}, false, {kNewSet, kSave},
        {"[set0]\r\nname=Quiet\r\nmess0=\r\nmess1=\r\n"});
    row("discard after adding a set", kThreeSets,
        u"choose Extra, choose Alpha, type a4, click cmdsetdis"_s, abc, a123, false,
        {kNewSet, discard, "Discarded changes: Reverted back to existing messages"});
    row("save cancelled offers the discard; refused", kThreeSets,
        u"type a4, answer Cancel, answer No, click cmdsetsave"_s, abc, a1234, true,
        {kSave, discard}, {alphaSaved});
    row("a failed write shows its box and keeps the edit", kThreeSets,
        u"type a4, unwritable, click cmdsetsave"_s, abc, a1234, true,
        {kSave, "Failed to write INI: Failed to write to INI file, Please report bug and "
                "messages attempted"},
        {alphaSaved});
    row("exit with unsaved sets offers to go back", kThreeSets, u"type a4, exit"_s, abc, a1234,
        true,
        {"Unsaved Messages Sets: Message changes not saved\rClick OK if you wish to go back to "
         "save them"});
}

void TestMessagesPage::edits() {
    QFETCH(QByteArray, settings);
    QFETCH(QString, steps);
    MessagesFixture p(settings);
    for (const QString& step : steps.split(", "_L1, Qt::SkipEmptyParts)) {
        runStep(p, step);
        if (QTest::currentTestFailed())
            return;
    }
    QStringList sets;
    for (int i = 0; i < p.combo->count(); ++i)
        sets << p.combo->itemText(i);
    QTEST(sets, "sets");
    QTEST(p.rows(), "shown");
    QCOMPARE(p.h.find<QLineEdit>(u"txtfreesets"_s)->text(), QString::number(10 - sets.size()));
    QTEST(p.page->hasUnsavedChanges(), "pending");
    QTEST(p.enabled(u"cmdsetsave"_s), "pending");
    QTEST(p.enabled(u"cmdsetdis"_s), "pending");
    QTEST(p.boxes() + p.h.messageLog(), "told");
    // Every walk ends with the typed text applied and out of edit mode.
    QCOMPARE(p.text->text(), QString());
    QVERIFY(!p.state().messediting);
    QVERIFY(p.h.main->progressNotice()->isHidden());
    QFile ini(p.h.path(u"vostrel.ini"_s));
    const QByteArray text = ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
    QFETCH(QByteArrayList, file);
    for (const QByteArray& piece : file)
        QVERIFY2(text.contains(piece), piece.constData());
}

void TestMessagesPage::focusLossAndTab() {
    MessagesFixture p(kThreeSets);
    // Another window coming up is not the operator leaving the box; a click elsewhere is.
    p.text->setText(u"typed"_s);
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(p.text, &away);
    QCOMPARE(p.list->count(), 3);
    QFocusEvent click(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(p.text, &click);
    QCOMPARE(p.rows().last(), u"typed"_s);
    p.combo->setEditText(u"Bravo"_s);
    QCoreApplication::sendEvent(p.combo, &click);
    QCOMPARE(p.rows(), QStringList{u"b1"_s});

    // Tab adds the typed message and comes back for the next; with nothing typed it moves on.
    p.h.main->show();
    p.h.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.h.main.get()));
    p.h.main->widgets().SSTab->setCurrentWidget(p.page);
    p.text->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(p.text->hasFocus());
    QTest::keyClicks(p.text, u"next one"_s);
    QTest::keyClick(p.text, Qt::Key_Tab);
    QCOMPARE(p.rows(), (QStringList{"b1", "next one"}));
    QTRY_VERIFY(p.text->hasFocus());
    QTest::keyClick(p.text, Qt::Key_Tab);
    QTest::qWait(20);
    QVERIFY(!p.text->hasFocus());
    QCOMPARE(p.list->count(), 2);
}

QTEST_MAIN(TestMessagesPage)
#include "tst_messagespage.moc"
