#include "maps/RotationNotes.h"
#include "support/Harness.h"
#include "ui/pages/MiscPage.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMiscPage : public QObject {
    Q_OBJECT
private slots:
    void setServerToEdit();
    void exec();
    void notesToggle();
    void connectStatesAndCopy();
};

namespace {

QPlainTextEdit* rotationBox(Harness& h, int index) {
    return h.find<QPlainTextEdit>(u"txtcurmaprot_%1"_s.arg(index));
}

} // namespace

void TestMiscPage::setServerToEdit() {
    Harness h;
    h.connectDirect();
    auto* send = h.find<QPushButton>(u"cmdsetservedit"_s);
    rotationBox(h, 1)->clear();
    send->click();
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
    // Sent as typed; a line break stays inside the one command.
    rotationBox(h, 1)->setPlainText(u"gametype sd map mp_pavlov"_s);
    send->click();
    rotationBox(h, 1)->setPlainText(u"gametype sd map mp_pavlov\ngametype dm map mp_depot"_s);
    send->click();
    QCOMPARE(h.commands(),
             (QStringList{"sv_maprotationcurrent \"gametype sd map mp_pavlov\"",
                          "sv_maprotationcurrent \"gametype sd map mp_pavlov gametype dm map "
                          "mp_depot\""}));
    QCOMPARE(h.messageLog(), QStringList(2, u"Set Map rotation to Custom choice."_s));
    QVERIFY(h.dialogs.shown().isEmpty());
}

void TestMiscPage::exec() {
    Harness h;
    h.connectDirect();
    h.sim.setCfgFiles({u"server.cfg"_s, u"match.cfg"_s});
    h.main->pages().misc->setCfgNames({u"server"_s, u"match"_s});
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    h.find<QPushButton>(u"cmdcfgexec"_s)->click();
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
    h.find<QPushButton>(u"cmdcfgexec"_s)->click();
    QCOMPARE(h.commands(), QStringList{u"exec server.cfg"_s});
    QCOMPARE(h.messageLog(), QStringList{u"Performed EXEC of server"_s});
    // The server's answer shows in the pane.
    QVERIFY(h.rconText().contains("execing server.cfg"_L1));
    QCOMPARE(h.dialogs.messages().size(), 2);
    const ScriptedDialogs::Shown box = h.dialogs.messages().at(0);
    QCOMPARE(box.text, u"Are you sure you want to Exec the selected CFG file\r"
                       "Executing CFGs is at your own risk!\r\r"
                       "Please ensure you know what the file performs"_s);
    QCOMPARE(box.title, u"Exec CFG"_s);
    QCOMPARE(box.buttons, Dialogs::Buttons::OkCancel);
}

void TestMiscPage::notesToggle() {
    Harness h;
    auto* label = h.find<QPushButton>(u"lblsmrnotes"_s);
    auto* notes = h.find<QPlainTextEdit>(u"txtsmrnotes"_s);
    QCOMPARE(notes->toPlainText().split(u'\n'), rotationNotesLines());
    QVERIFY(notes->isHidden());
    QCOMPARE(label->text(), u"Click for Notes"_s);
    label->click();
    QVERIFY(!notes->isHidden());
    QCOMPARE(label->text(), u"Click to remove"_s);
    label->click();
    QVERIFY(notes->isHidden());
    QCOMPARE(label->text(), u"Click for Notes"_s);
}

void TestMiscPage::connectStatesAndCopy() {
    Harness h;
    MiscPage* page = h.main->pages().misc;
    QPlainTextEdit* top = rotationBox(h, 0);
    auto* exec = h.find<QPushButton>(u"cmdcfgexec"_s);
    auto* copy = h.find<QPushButton>(u"cmdsmrpaste_0"_s);
    auto* list = h.find<QComboBox>(u"lstcfgs"_s);
    page->connectPresets();
    QCOMPARE(top->toPlainText(), u"Server did not give rotation."_s);
    QVERIFY(top->font().bold());
    QCOMPARE(list->itemText(0), u"No CFGs on server"_s);
    QVERIFY(!copy->isEnabled());
    QVERIFY(!exec->isEnabled());

    page->showServerRotation(u"gametype sd map mp_depot"_s);
    QVERIFY(!top->font().bold());
    copy->click();
    QCOMPARE(rotationBox(h, 1)->toPlainText(), u"gametype sd map mp_depot"_s);
    h.find<QPushButton>(u"cmdsmrpaste_1"_s)->click();
    QCOMPARE(rotationBox(h, 1)->toPlainText(), QString());
    page->setCfgNames({u"a"_s, u"b"_s});
    QCOMPARE(list->currentText(), u"a"_s);
    QVERIFY(exec->isEnabled());

    // A second connect starts from the presets again, not on top of the old list.
    page->connectPresets();
    page->setCfgNames({});
    QCOMPARE(list->count(), 1);
    QVERIFY(!exec->isEnabled());
    // The edit box keeps its text across connections.
    rotationBox(h, 1)->setPlainText(u"kept"_s);
    page->clearForDisconnect();
    QCOMPARE(top->toPlainText(), QString());
    QCOMPARE(list->count(), 0);
    QVERIFY(!exec->isEnabled());
    QVERIFY(!copy->isEnabled());
    QCOMPARE(rotationBox(h, 1)->toPlainText(), u"kept"_s);
    QVERIFY(h.commands().isEmpty());
}

QTEST_MAIN(TestMiscPage)
#include "tst_miscpage.moc"
