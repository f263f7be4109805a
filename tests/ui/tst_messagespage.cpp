#include "settings/ProfileFile.h"
#include "support/Harness.h"
#include "ui/ProgressNotice.h"
#include "ui/pages/MessagesPage.h"

#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList entries(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QByteArray setSection(int index, const QByteArray& name, const QList<QByteArray>& messages) {
    QByteArray text = "[set" + QByteArray::number(index) + "]\r\nname=" + name + "\r\n";
    for (int i = 0; i < messages.size(); ++i)
        text += "mess" + QByteArray::number(i) + "=" + messages.at(i) + "\r\n";
    return text + "mess" + QByteArray::number(messages.size()) + "=\r\n";
}

const QByteArray kThreeSets = setSection(0, "Alpha", {"a1", "a2", "a3"}) +
                              setSection(1, "Bravo", {"b1"}) + setSection(2, "Charlie", {"c1"});

// The page and its controls, after the start-up has read the given settings file.
struct Page {
    explicit Page(const QByteArray& settings = kThreeSets) {
        if (!settings.isEmpty())
            h.writeSettings(settings);
        h.startup();
        page = h.main->pages().messages;
        combo = h.find<QComboBox>(QStringLiteral("commessset"));
        list = h.find<QListWidget>(QStringLiteral("lstmess"));
        text = h.find<QLineEdit>(QStringLiteral("txtmess"));
        freeSets = h.find<QLineEdit>(QStringLiteral("txtfreesets"));
        save = h.find<QPushButton>(QStringLiteral("cmdsetsave"));
        discard = h.find<QPushButton>(QStringLiteral("cmdsetdis"));
    }
    void chooseSet(const QString& name) {
        combo->setEditText(name);
        page->commessset_LostFocus();
    }
    void addMessage(const QString& message) {
        text->setText(message);
        page->txtmess_LostFocus();
    }
    void select(int row) { list->setCurrentRow(row); }
    void click(const char* name) { h.find<QAbstractButton>(QLatin1String(name))->click(); }
    QString ini(const QString& section, const QString& key) const {
        return ProfileFile(h.path(QStringLiteral("vostrel.ini"))).read(section, key);
    }

    Harness h;
    MessagesPage* page = nullptr;
    QComboBox* combo = nullptr;
    QListWidget* list = nullptr;
    QLineEdit* text = nullptr;
    QLineEdit* freeSets = nullptr;
    QPushButton* save = nullptr;
    QPushButton* discard = nullptr;
};

} // namespace

class TestMessagesPage : public QObject {
    Q_OBJECT
private slots:
    void controls();
    void loadAtStartup_data();
    void loadAtStartup();
    void chooseSet();
    void newSetAskedAndCancelled();
    void eleventhSetRefused();
    void addAndEditMessages();
    void doubleClickAndLeaveWithoutTyping();
    void messageWithoutSetIsKept();
    void deleteMiddleThenMoveLastUp();
    void moveAndDeleteWithoutSelection();
    void deleteSecondOfThreeAndSave();
    void deleteSetCancelled();
    void setWithoutMessagesRoundTrip();
    void discardAfterAddingSet();
    void saveCancelledOffersDiscard();
    void failedWriteShowsBoxAndKeepsChanges();
    void focusLossAppliesTheBoxes();
    void tabAddsAndComesBack();
    void exitAsksAboutUnsavedSets();
};

void TestMessagesPage::controls() {
    Page p;
    QCOMPARE(p.text->maxLength(), 199);
    QCOMPARE(p.combo->lineEdit()->maxLength(), 199);
    const std::pair<const char*, const char*> images[] = {{"imgup", "Move up in list"},
                                                          {"imgdown", "Move down in list"},
                                                          {"imgdel", "Removes selected item"}};
    for (const auto& [name, tip] : images) {
        auto* image = p.h.find<QToolButton>(QLatin1String(name));
        QVERIFY(image);
        QCOMPARE(image->toolTip(), QLatin1String(tip));
        QCOMPARE(image->accessibleName(), QLatin1String(tip));
        QVERIFY(!image->icon().isNull());
    }
    const QColor colours[8] = {Qt::black, Qt::red,  Qt::green,   Qt::yellow,
                               Qt::blue,  Qt::cyan, Qt::magenta, Qt::white};
    for (int i = 0; i < 8; ++i) {
        auto* sample = p.h.find<QLabel>(QStringLiteral("lblcolour_%1").arg(i));
        QVERIFY(sample);
        QCOMPARE(sample->text(), QStringLiteral("^%1").arg(i));
        QCOMPARE(sample->palette().color(QPalette::WindowText), colours[i]);
    }
    QCOMPARE(p.h.find<QLabel>(QStringLiteral("lblplaceholders"))->text(),
             QStringLiteral("%IP% for IP number & port, %SN% for server name, %FF% Friendlyfire "
                            "status"));
}

void TestMessagesPage::loadAtStartup_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("sets");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("freeSets");

    QTest::newRow("no settings file") << QByteArray() << QStringList{} << QStringList{} << "10";
    QTest::newRow("set0 and set2 without set1: one set")
        << QByteArray("[set0]\nname=First\nmess0=one\nmess1=\n[set2]\nname=Third\nmess0=x\n")
        << QStringList{"First"} << QStringList{"one"} << "9";
    QTest::newRow("mess1 missing: one message")
        << QByteArray("[set0]\nname=Gappy\nmess0=one\nmess2=three\n") << QStringList{"Gappy"}
        << QStringList{"one"} << "9";
    QTest::newRow("three sets, the first shown")
        << kThreeSets << QStringList{"Alpha", "Bravo", "Charlie"} << QStringList{"a1", "a2", "a3"}
        << "7";
}

void TestMessagesPage::loadAtStartup() {
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, sets);
    QFETCH(QStringList, shown);
    QFETCH(QString, freeSets);
    Page p(settings);
    QCOMPARE(entries(p.combo), sets);
    QCOMPARE(p.combo->currentText(), sets.value(0));
    QCOMPARE(rows(p.list), shown);
    QCOMPARE(p.freeSets->text(), freeSets);
    QVERIFY(!p.page->hasUnsavedChanges());
    QVERIFY(!p.save->isEnabled());
    QVERIFY(!p.discard->isEnabled());
    QVERIFY(p.h.dialogs.shown().isEmpty());
}

void TestMessagesPage::chooseSet() {
    Page p;
    p.chooseSet(QStringLiteral("Charlie"));
    QCOMPARE(rows(p.list), QStringList{QStringLiteral("c1")});
    QCOMPARE(int(p.h.main->session().state().editset), 2);
    // Picking from the drop-down list shows the set at once.
    p.combo->setCurrentIndex(1);
    emit p.combo->activated(1);
    QCOMPARE(rows(p.list), QStringList{QStringLiteral("b1")});
    QVERIFY(p.h.dialogs.shown().isEmpty());
    QVERIFY(!p.page->hasUnsavedChanges());
}

void TestMessagesPage::newSetAskedAndCancelled() {
    Page p;
    p.h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    p.chooseSet(QStringLiteral("Delta"));
    QCOMPARE(p.h.dialogs.messages().size(), 1);
    QCOMPARE(p.h.dialogs.messages().at(0).text, QStringLiteral("Add new Set to list"));
    QCOMPARE(p.h.dialogs.messages().at(0).title, QStringLiteral("New Message Set"));
    QCOMPARE(p.h.dialogs.messages().at(0).buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(entries(p.combo).size(), 3);
    QCOMPARE(p.combo->currentText(), QStringLiteral("Delta"));
    QCOMPARE(p.freeSets->text(), QStringLiteral("7"));
    QVERIFY(!p.page->hasUnsavedChanges());

    // Accepted: listed last, in the lowest free slot, with an empty list.
    p.page->commessset_LostFocus();
    QCOMPARE(entries(p.combo).last(), QStringLiteral("Delta"));
    QCOMPARE(p.freeSets->text(), QStringLiteral("6"));
    QCOMPARE(p.list->count(), 0);
    const SharedState& state = p.h.main->session().state();
    QCOMPARE(state.setnameedit.at(3), QStringLiteral("Delta"));
    QCOMPARE(int(state.editset), 3);
    QCOMPARE(int(state.setcount), 4);
    QVERIFY(p.page->hasUnsavedChanges());
    QVERIFY(p.discard->isEnabled());
    // The saved copy does not know it yet.
    QCOMPARE(state.setnamelive.at(3), QString());
}

void TestMessagesPage::eleventhSetRefused() {
    QByteArray ten;
    for (int i = 0; i < 10; ++i)
        ten += setSection(i, "Set" + QByteArray::number(i), {"m"});
    Page p(ten);
    QCOMPARE(p.freeSets->text(), QStringLiteral("0"));
    p.chooseSet(QStringLiteral("Eleventh"));
    QCOMPARE(p.h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown box = p.h.dialogs.messages().at(0);
    QCOMPARE(box.text.section(u'\r', 0, 0), QStringLiteral("No free sets left, 10 in use"));
    QCOMPARE(box.text.section(u'\r', 1), QStringLiteral("To add new you must remove an old one"));
    QCOMPARE(box.title, QStringLiteral("No Free Slots"));
    QCOMPARE(box.icon, Dialogs::Icon::Information);
    QCOMPARE(p.combo->count(), 10);
    QVERIFY(!p.page->hasUnsavedChanges());
}

void TestMessagesPage::addAndEditMessages() {
    Page p;
    p.chooseSet(QStringLiteral("Bravo"));
    p.addMessage(QStringLiteral("  b2 with blanks  "));
    QCOMPARE(rows(p.list), (QStringList{"b1", "b2 with blanks"}));
    QCOMPARE(p.text->text(), QString());
    QVERIFY(p.page->hasUnsavedChanges());

    // Double-click, type, leave: the message is replaced in place.
    p.select(0);
    emit p.list->itemDoubleClicked(p.list->item(0));
    QCOMPARE(p.text->text(), QStringLiteral("b1"));
    QVERIFY(p.h.main->session().state().messediting);
    p.text->setText(QStringLiteral("b1 edited"));
    p.page->txtmess_LostFocus();
    QCOMPARE(rows(p.list), (QStringList{"b1 edited", "b2 with blanks"}));
    QVERIFY(!p.h.main->session().state().messediting);
    QCOMPARE(p.h.main->session().state().messedit.at(1),
             (QStringList{"b1 edited", "b2 with blanks"}));
    // The saved copy, which the cycler uses, is untouched until a save.
    QCOMPARE(p.h.main->session().state().messlive.at(1), QStringList{"b1"});
}

void TestMessagesPage::doubleClickAndLeaveWithoutTyping() {
    Page p;
    p.select(1);
    emit p.list->itemDoubleClicked(p.list->item(1));
    QCOMPARE(p.text->text(), QStringLiteral("a2"));
    p.page->txtmess_LostFocus();
    QCOMPARE(p.text->text(), QString());
    QVERIFY(!p.h.main->session().state().messediting);
    QCOMPARE(rows(p.list), (QStringList{"a1", "a2", "a3"}));
    QVERIFY(!p.page->hasUnsavedChanges());
}

void TestMessagesPage::messageWithoutSetIsKept() {
    Page p(QByteArray{});
    p.addMessage(QStringLiteral("orphan"));
    QCOMPARE(p.h.dialogs.messageTitles(), QStringList{QStringLiteral("No set selected")});
    QCOMPARE(p.text->text(), QStringLiteral("orphan"));
    QCOMPARE(p.list->count(), 0);
    QVERIFY(!p.page->hasUnsavedChanges());

    // Once a set exists the same text goes into it, and only into it.
    p.chooseSet(QStringLiteral("Fresh"));
    p.page->txtmess_LostFocus();
    QCOMPARE(rows(p.list), QStringList{QStringLiteral("orphan")});
    QCOMPARE(p.h.main->session().state().messedit.at(0), QStringList{QStringLiteral("orphan")});
}

void TestMessagesPage::deleteMiddleThenMoveLastUp() {
    Page p;
    p.select(1);
    p.click("imgdel");
    QCOMPARE(rows(p.list), (QStringList{"a1", "a3"}));
    p.select(1);
    p.click("imgup");
    QCOMPARE(rows(p.list), (QStringList{"a3", "a1"}));
    QCOMPARE(p.list->currentRow(), 0);
    p.click("imgdown");
    QCOMPARE(rows(p.list), (QStringList{"a1", "a3"}));
    QCOMPARE(p.list->currentRow(), 1);
    p.click("imgup");
    p.click("cmdsetsave");
    QCOMPARE(p.ini("set0", "mess0"), QStringLiteral("a3"));
    QCOMPARE(p.ini("set0", "mess1"), QStringLiteral("a1"));
    QCOMPARE(p.ini("set0", "mess2"), QString());
    QCOMPARE(p.h.main->session().state().messlive.at(0), (QStringList{"a3", "a1"}));
}

void TestMessagesPage::moveAndDeleteWithoutSelection() {
    Page p;
    p.list->clearSelection();
    for (const char* image : {"imgup", "imgdown", "imgdel"})
        p.click(image);
    // The first cannot go up, the last cannot go down.
    p.select(0);
    p.click("imgup");
    p.select(2);
    p.click("imgdown");
    QCOMPARE(rows(p.list), (QStringList{"a1", "a2", "a3"}));
    QVERIFY(!p.page->hasUnsavedChanges());
    // After a delete nothing stays selected, so a second click takes nothing more.
    p.select(0);
    p.click("imgdel");
    p.click("imgdel");
    QCOMPARE(rows(p.list), (QStringList{"a2", "a3"}));
}

void TestMessagesPage::deleteSecondOfThreeAndSave() {
    Page p;
    p.chooseSet(QStringLiteral("Bravo"));
    p.click("cmdsetdel");
    QCOMPARE(p.h.dialogs.messages().at(0).text,
             QStringLiteral("Are you sure you want to delete the set named:\rBravo"));
    QCOMPARE(p.h.dialogs.messages().at(0).title, QStringLiteral("Confirm Delete"));
    QCOMPARE(p.h.messageLog(), QStringList{QStringLiteral("Set named Bravo removed.")});
    QCOMPARE(entries(p.combo), (QStringList{"Alpha", "Charlie"}));
    // The entry before the removed one is shown.
    QCOMPARE(p.combo->currentText(), QStringLiteral("Alpha"));
    QCOMPARE(rows(p.list), (QStringList{"a1", "a2", "a3"}));
    QCOMPARE(p.freeSets->text(), QStringLiteral("8"));

    p.click("cmdsetsave");
    QCOMPARE(p.h.dialogs.messages().at(1).text, QStringLiteral("Save message sets to INI"));
    QCOMPARE(p.ini("set0", "name"), QStringLiteral("Alpha"));
    QCOMPARE(p.ini("set1", "name"), QStringLiteral("Charlie"));
    QCOMPARE(p.ini("set1", "mess0"), QStringLiteral("c1"));
    for (int i = 2; i < 10; ++i)
        QCOMPARE(p.ini(QStringLiteral("set%1").arg(i), QStringLiteral("name")), QString());
    QVERIFY(!p.page->hasUnsavedChanges());
    QCOMPARE(p.freeSets->text(), QStringLiteral("8"));
    QCOMPARE(p.h.dialogs.messages().size(), 2);
    QVERIFY(p.h.main->progressNotice()->isHidden());

    // What was saved is what the next start-up reads.
    p.page->loadSets();
    QCOMPARE(entries(p.combo), (QStringList{"Alpha", "Charlie"}));
}

void TestMessagesPage::deleteSetCancelled() {
    Page p;
    p.combo->setEditText(QStringLiteral("no such set"));
    p.h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    p.click("cmdsetdel");
    // Without a matching entry the last one is offered.
    QCOMPARE(p.h.dialogs.messages().at(0).text,
             QStringLiteral("Are you sure you want to delete the set named:\rCharlie"));
    QCOMPARE(p.combo->count(), 3);
    QVERIFY(!p.page->hasUnsavedChanges());

    Page empty(QByteArray{});
    empty.click("cmdsetdel");
    QCOMPARE(empty.h.dialogs.messages().at(0).text,
             QStringLiteral("No message set selected in Message Set field"));
    QCOMPARE(empty.h.dialogs.messages().at(0).title, QStringLiteral("No set selected"));
}

void TestMessagesPage::setWithoutMessagesRoundTrip() {
    Page p(QByteArray{});
    p.chooseSet(QStringLiteral("Quiet"));
    p.click("cmdsetsave");
    QVERIFY(!p.page->hasUnsavedChanges());
    QFile file(p.h.path(QStringLiteral("vostrel.ini")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("[set0]\r\nname=Quiet\r\nmess0=\r\nmess1=\r\n"));
    p.page->loadSets();
    QCOMPARE(entries(p.combo), QStringList{QStringLiteral("Quiet")});
    QCOMPARE(p.list->count(), 0);
}

void TestMessagesPage::discardAfterAddingSet() {
    Page p;
    p.chooseSet(QStringLiteral("Extra"));
    p.chooseSet(QStringLiteral("Alpha"));
    p.addMessage(QStringLiteral("a4"));
    QCOMPARE(p.freeSets->text(), QStringLiteral("6"));
    p.click("cmdsetdis");
    const ScriptedDialogs::Shown question = p.h.dialogs.messages().at(1);
    QCOMPARE(question.text, QStringLiteral("Discard changes and reset to existing"));
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
    const ScriptedDialogs::Shown done = p.h.dialogs.messages().at(2);
    QCOMPARE(done.text, QStringLiteral("Reverted back to existing messages"));
    QCOMPARE(done.title, QStringLiteral("Discarded changes"));
    QCOMPARE(entries(p.combo), (QStringList{"Alpha", "Bravo", "Charlie"}));
    QCOMPARE(p.freeSets->text(), QStringLiteral("7"));
    QCOMPARE(rows(p.list), (QStringList{"a1", "a2", "a3"}));
    QVERIFY(!p.page->hasUnsavedChanges());
    QVERIFY(!p.discard->isEnabled());
    const SharedState& state = p.h.main->session().state();
    QCOMPARE(state.setnameedit, state.setnamelive);
    QCOMPARE(state.messedit, state.messlive);
}

void TestMessagesPage::saveCancelledOffersDiscard() {
    Page p;
    p.addMessage(QStringLiteral("a4"));
    p.h.dialogs.setNextAnswer(Dialogs::Answer::Cancel); // the save
    p.h.dialogs.setNextAnswer(Dialogs::Answer::No);     // the discard
    p.click("cmdsetsave");
    QCOMPARE(p.h.dialogs.messageTitles(), (QStringList{"Save Changes", "Discard changes"}));
    QVERIFY(p.page->hasUnsavedChanges());
    QCOMPARE(p.ini("set0", "mess3"), QString());
    QCOMPARE(p.list->count(), 4);
}

void TestMessagesPage::failedWriteShowsBoxAndKeepsChanges() {
    Page p;
    p.addMessage(QStringLiteral("a4"));
    // A settings file that cannot be written: its folder does not exist.
    p.h.main->settings().setPath(p.h.path(QStringLiteral("gone/vostrel.ini")));
    p.click("cmdsetsave");
    QCOMPARE(p.h.dialogs.messages().size(), 2);
    const ScriptedDialogs::Shown box = p.h.dialogs.messages().at(1);
    QCOMPARE(
        box.text,
        QStringLiteral("Failed to write to INI file, Please report bug and messages attempted"));
    QCOMPARE(box.title, QStringLiteral("Failed to write INI"));
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
    QVERIFY(p.h.main->progressNotice()->isHidden());
    // Nothing was saved: the edit is still pending and the cycler's copy unchanged.
    QVERIFY(p.page->hasUnsavedChanges());
    QCOMPARE(p.h.main->session().state().messlive.at(0), (QStringList{"a1", "a2", "a3"}));
    QCOMPARE(rows(p.list), (QStringList{"a1", "a2", "a3", "a4"}));

    p.h.main->settings().setPath(p.h.path(QStringLiteral("vostrel.ini")));
    p.click("cmdsetsave");
    QVERIFY(!p.page->hasUnsavedChanges());
    QCOMPARE(p.ini("set0", "mess3"), QStringLiteral("a4"));
}

void TestMessagesPage::focusLossAppliesTheBoxes() {
    Page p;
    // Another window coming up is not the operator leaving the box.
    p.text->setText(QStringLiteral("typed"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(p.text, &away);
    QCOMPARE(p.list->count(), 3);
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(p.text, &tab);
    QCOMPARE(rows(p.list).last(), QStringLiteral("typed"));

    p.combo->setEditText(QStringLiteral("Bravo"));
    QFocusEvent click(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(p.combo, &click);
    QCOMPARE(rows(p.list), QStringList{QStringLiteral("b1")});
}

void TestMessagesPage::tabAddsAndComesBack() {
    Page p;
    p.h.main->show();
    p.h.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.h.main.get()));
    p.h.main->widgets().SSTab->setCurrentWidget(p.page);
    p.text->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(p.text->hasFocus());
    QTest::keyClicks(p.text, QStringLiteral("next one"));
    QTest::keyClick(p.text, Qt::Key_Tab);
    QCOMPARE(rows(p.list).last(), QStringLiteral("next one"));
    QTRY_VERIFY(p.text->hasFocus());
    // With nothing typed, Tab moves on.
    QTest::keyClick(p.text, Qt::Key_Tab);
    QTest::qWait(20);
    QVERIFY(!p.text->hasFocus());
    QCOMPARE(p.list->count(), 4);
}

void TestMessagesPage::exitAsksAboutUnsavedSets() {
    Page p;
    p.addMessage(QStringLiteral("unsaved"));
    p.h.main->show();
    p.h.dialogs.setNextAnswer(Dialogs::Answer::Ok); // go back and save
    p.h.main->close();
    QVERIFY(p.h.main->isVisible());
    QCOMPARE(p.h.dialogs.messageTitles(), QStringList{QStringLiteral("Unsaved Messages Sets")});
}

QTEST_MAIN(TestMessagesPage)
#include "tst_messagespage.moc"
