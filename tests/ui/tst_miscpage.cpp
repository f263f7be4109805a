#include "maps/RotationNotes.h"
#include "support/Harness.h"
#include "ui/pages/MiscPage.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestMiscPage : public QObject {
    Q_OBJECT
private slots:
    void setServerToEdit_data();
    void setServerToEdit();
    void emptyEditSendsNothing();
    void pasteAndClear();
    void notesToggle();
    void execCancelled();
    void execServerCfg();
    void connectStates();
};

namespace {

QPlainTextEdit* rotationBox(Harness& h, int index) {
    return h.find<QPlainTextEdit>(QStringLiteral("txtcurmaprot_%1").arg(index));
}

} // namespace

void TestMiscPage::setServerToEdit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("command");
    QTest::newRow("as typed") << "gametype sd map mp_pavlov"
                              << "sv_maprotationcurrent \"gametype sd map mp_pavlov\"";
    QTest::newRow("a line break stays inside the one command")
        << "gametype sd map mp_pavlov\ngametype dm map mp_depot"
        << "sv_maprotationcurrent \"gametype sd map mp_pavlov gametype dm map mp_depot\"";
}

void TestMiscPage::setServerToEdit() {
    QFETCH(QString, typed);
    QFETCH(QString, command);
    Harness h;
    h.connectDirect();
    rotationBox(h, 1)->setPlainText(typed);
    h.find<QPushButton>(QStringLiteral("cmdsetservedit"))->click();
    QCOMPARE(h.commands(), QStringList{command});
    QCOMPARE(h.messageLog(), QStringList{QStringLiteral("Set Map rotation to Custom choice.")});
    QVERIFY(h.dialogs.shown().isEmpty());
}

void TestMiscPage::emptyEditSendsNothing() {
    Harness h;
    h.connectDirect();
    QCOMPARE(rotationBox(h, 1)->toPlainText(), QStringLiteral("gametype xxx map xxxxxx"));
    rotationBox(h, 1)->clear();
    h.find<QPushButton>(QStringLiteral("cmdsetservedit"))->click();
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(h.dialogs.shown().isEmpty());
}

void TestMiscPage::pasteAndClear() {
    Harness h;
    MiscPage* page = h.main->pages().misc;
    auto* copy = h.find<QPushButton>(QStringLiteral("cmdsmrpaste_0"));
    auto* clear = h.find<QPushButton>(QStringLiteral("cmdsmrpaste_1"));
    QCOMPARE(copy->property("index").toInt(), 0);
    QCOMPARE(clear->property("index").toInt(), 1);
    page->showServerRotation(QStringLiteral("gametype tdm map mp_harbor"));
    QVERIFY(copy->isEnabled());
    copy->click();
    QCOMPARE(rotationBox(h, 1)->toPlainText(), QStringLiteral("gametype tdm map mp_harbor"));
    clear->click();
    QCOMPARE(rotationBox(h, 1)->toPlainText(), QString());
    QVERIFY(h.commands().isEmpty());
}

void TestMiscPage::notesToggle() {
    Harness h;
    auto* label = h.find<QPushButton>(QStringLiteral("lblsmrnotes"));
    auto* notes = h.find<QPlainTextEdit>(QStringLiteral("txtsmrnotes"));
    QCOMPARE(notes->toPlainText().split(u'\n'), rotationNotesLines());
    QVERIFY(notes->isHidden());
    QCOMPARE(label->text(), QStringLiteral("Click for Notes"));
    label->click();
    QVERIFY(!notes->isHidden());
    QCOMPARE(label->text(), QStringLiteral("Click to remove"));
    label->click();
    QVERIFY(notes->isHidden());
    QCOMPARE(label->text(), QStringLiteral("Click for Notes"));
}

void TestMiscPage::execCancelled() {
    Harness h;
    h.connectDirect();
    h.main->pages().misc->setCfgNames({QStringLiteral("server")});
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    h.find<QPushButton>(QStringLiteral("cmdcfgexec"))->click();
    Harness::pause(1);
    QCOMPARE(h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown box = h.dialogs.messages().at(0);
    QCOMPARE(box.text, QStringLiteral("Are you sure you want to Exec the selected CFG file\r"
                                      "Executing CFGs is at your own risk!\r\r"
                                      "Please ensure you know what the file performs"));
    QCOMPARE(box.title, QStringLiteral("Exec CFG"));
    QCOMPARE(box.icon, Dialogs::Icon::Question);
    QCOMPARE(box.buttons, Dialogs::Buttons::OkCancel);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestMiscPage::execServerCfg() {
    Harness h;
    h.connectDirect();
    h.sim.setCfgFiles({QStringLiteral("server.cfg"), QStringLiteral("match.cfg")});
    h.main->pages().misc->setCfgNames({QStringLiteral("server"), QStringLiteral("match")});
    auto* list = h.find<QComboBox>(QStringLiteral("lstcfgs"));
    QCOMPARE(list->currentText(), QStringLiteral("server"));
    h.find<QPushButton>(QStringLiteral("cmdcfgexec"))->click();
    QCOMPARE(h.commands(), QStringList{QStringLiteral("exec server.cfg")});
    QCOMPARE(h.messageLog(), QStringList{QStringLiteral("Performed EXEC of server")});
    // The server's answer shows in the pane.
    QVERIFY(h.rconText().contains(QLatin1String("execing server.cfg")));
}

void TestMiscPage::connectStates() {
    Harness h;
    MiscPage* page = h.main->pages().misc;
    QPlainTextEdit* top = rotationBox(h, 0);
    auto* exec = h.find<QPushButton>(QStringLiteral("cmdcfgexec"));
    auto* copy = h.find<QPushButton>(QStringLiteral("cmdsmrpaste_0"));
    auto* list = h.find<QComboBox>(QStringLiteral("lstcfgs"));
    // Before any connect there is nothing to copy or execute.
    QVERIFY(!exec->isEnabled());
    QVERIFY(!copy->isEnabled());
    QCOMPARE(list->count(), 0);

    page->connectPresets();
    QCOMPARE(top->toPlainText(), QStringLiteral("Server did not give rotation."));
    QVERIFY(top->font().bold());
    QVERIFY(!copy->isEnabled());
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->itemText(0), QStringLiteral("No CFGs on server"));
    QVERIFY(!exec->isEnabled());

    page->showServerRotation(QStringLiteral("gametype sd map mp_depot"));
    QCOMPARE(top->toPlainText(), QStringLiteral("gametype sd map mp_depot"));
    QVERIFY(!top->font().bold());
    QVERIFY(copy->isEnabled());

    page->setCfgNames({QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentIndex(), 0);
    QVERIFY(exec->isEnabled());

    // A second connect starts from the presets again, not on top of the old list.
    page->connectPresets();
    QCOMPARE(list->count(), 1);
    page->setCfgNames({});
    QCOMPARE(list->itemText(0), QStringLiteral("No CFGs on server"));
    QVERIFY(!exec->isEnabled());

    rotationBox(h, 1)->setPlainText(QStringLiteral("kept"));
    page->clearForDisconnect();
    QCOMPARE(top->toPlainText(), QString());
    QCOMPARE(list->count(), 0);
    QVERIFY(!exec->isEnabled());
    QVERIFY(!copy->isEnabled());
    // The edit box keeps its text across connections.
    QCOMPARE(rotationBox(h, 1)->toPlainText(), QStringLiteral("kept"));
}

QTEST_MAIN(TestMiscPage)
#include "tst_miscpage.moc"
