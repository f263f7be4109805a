#include "support/Harness.h"

#include "ui/HobWindow.h"
#include "ui/PreferencesDialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QStringList history(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void typeCommand(Harness& h, const QString& text) {
    h.main->widgets().comdirect->setEditText(text);
}

void clickSend(Harness& h) {
    h.find<QPushButton>(QStringLiteral("cmdsend"))->click();
}

bool activate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
}

// Brings the control's page to the front, gives it the focus and presses Enter there.
bool pressEnterIn(Harness& h, QWidget* control) {
    QTabWidget* tabs = h.main->widgets().SSTab;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(control))
            tabs->setCurrentIndex(i);
    control->setFocus(Qt::OtherFocusReason);
    if (!QTest::qWaitFor([control] { return control->hasFocus(); }, 2000))
        return false;
    QTest::keyClick(control, Qt::Key_Return);
    return true;
}

} // namespace

class TestConsole : public QObject {
    Q_OBJECT
private slots:
    void typedCommandsAndHistory();
    void replyAfterTheHandlerReturned();
    void emptyBoxSendsNothing();
    void typedCommandWhileDisconnected();
    void statusButtons_data();
    void statusButtons();
    void enterKey_data();
    void enterKey();
    void enterInOtherWindowsDoesNotSend();
    void enterKeptByControlsThatUseIt();
};

void TestConsole::typedCommandsAndHistory() {
    Harness h;
    h.connectDirect();
    const QComboBox* direct = h.main->widgets().comdirect;
    for (const char* command : {"sv_hostname", "sv_hostname", "SV_HOSTNAME", "sv_hostname"}) {
        typeCommand(h, QLatin1String(command));
        clickSend(h);
        QCOMPARE(direct->currentText(), QLatin1String(command));
    }

    QCOMPARE(history(direct), (QStringList{"sv_hostname", "SV_HOSTNAME"}));
    QCOMPARE(h.messageLog(),
             (QStringList{"sv_hostname", "SV_HOSTNAME", "sv_hostname", "sv_hostname"}));
    Harness::pause(1);
    // Each command went out once, without waiting, and logged no ">>RCON sent" line.
    QCOMPARE(h.commands(),
             (QStringList{"sv_hostname", "sv_hostname", "SV_HOSTNAME", "sv_hostname"}));
    QVERIFY(!h.main->session().state().nowait);
    QVERIFY(h.rconText().contains(QStringLiteral("\"sv_hostname\" is:\"Vostrel Test Server^7\"")));
    QVERIFY(!h.rconText().contains(QStringLiteral(">>RCON sent")));
    QVERIFY(h.dialogs.shown().isEmpty());
}

void TestConsole::replyAfterTheHandlerReturned() {
    Harness h;
    h.connectDirect();
    h.sim.setReplyDelayMs(300);
    typeCommand(h, QStringLiteral("status"));
    clickSend(h);
    QVERIFY(!h.rconText().contains(QStringLiteral("map: mp_harbor")));
    QTRY_VERIFY(h.rconText().contains(QStringLiteral("map: mp_harbor")));
    QCOMPARE(h.commands(), QStringList{QStringLiteral("status")});
}

void TestConsole::emptyBoxSendsNothing() {
    Harness h;
    h.connectDirect();
    typeCommand(h, QString());
    clickSend(h);
    QVERIFY(activate(h.main.get()));
    QVERIFY(pressEnterIn(h, h.main->widgets().comdirect));
    Harness::pause(0.5);
    QVERIFY(h.sim.received().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
    QCOMPARE(h.main->widgets().comdirect->count(), 0);
}

void TestConsole::typedCommandWhileDisconnected() {
    Harness h;
    typeCommand(h, QStringLiteral("status"));
    clickSend(h);
    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().first().text,
             QStringLiteral("Please connect to a server first!"));
    QCOMPARE(h.dialogs.messages().first().title, QStringLiteral("Not connected"));
    // The refused command takes its no-wait along: the next send waits as usual.
    QVERIFY(!h.main->session().state().nowait);
    QCOMPARE(h.messageLog(), QStringList{QStringLiteral("status")});
    QVERIFY(h.sim.received().isEmpty());
}

void TestConsole::statusButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<QString>("replyStart");

    const auto row = [](const char* name, const QString& button, const QString& command,
                        const QString& logLine, const QString& replyStart) {
        QTest::newRow(name) << button << command << logLine << replyStart;
    };
    row("Get Status", "cmdstatus", "Status", "Server Status requested", "map: mp_harbor");
    row("Get Server Info", "cmsserverinfo", "serverinfo", "Server Info requested",
        "Server info settings:");
}

void TestConsole::statusButtons() {
    QFETCH(QString, button);
    QFETCH(QString, command);
    QFETCH(QString, logLine);
    QFETCH(QString, replyStart);

    Harness h;
    h.connectDirect();
    h.find<QPushButton>(button)->click();
    QCOMPARE(h.commands(), QStringList{command});
    QCOMPARE(h.messageLog(), QStringList{logLine});
    QVERIFY(h.rconText().startsWith(replyStart));
    QVERIFY(!h.rconText().contains(QStringLiteral(">>RCON sent")));

    // No reply: the box, and the log line all the same.
    h.sim.dropNextReplies(5);
    h.find<QPushButton>(button)->click();
    QCOMPARE(h.dialogs.messageTitles(), QStringList{QStringLiteral("No response")});
    QCOMPARE(h.messageLog(), (QStringList{logLine, logLine}));
}

void TestConsole::enterKey_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("sent"); // "": Enter moves the focus on instead

    const auto row = [](const char* name, const QString& control, const QString& sent) {
        QTest::newRow(name) << control << sent;
    };
    row("Rcon Direct box", "comdirect", "sv_hostname");
    row("address box", "comserver", "sv_hostname");
    row("message log", "lstmessages", "sv_hostname");
    row("password box", "txtPWD", "");
    row("message text box", "txtmess", "");
    row("message set list", "commessset", "");
    row("a focused button takes it", "cmdstatus", "Status");
}

void TestConsole::enterKey() {
    QFETCH(QString, control);
    QFETCH(QString, sent);

    Harness h;
    h.connectDirect();
    QWidget* widget = h.find<QWidget>(control);
    QVERIFY2(widget, qPrintable(control));
    typeCommand(h, QStringLiteral("sv_hostname"));
    QVERIFY(activate(h.main.get()));
    QVERIFY(pressEnterIn(h, widget));
    Harness::pause(1);

    if (sent.isEmpty()) {
        QVERIFY(h.sim.received().isEmpty());
        QVERIFY(h.messageLog().isEmpty());
        QVERIFY(QApplication::focusWidget() != widget);
        if (control == QLatin1String("txtPWD"))
            QCOMPARE(QApplication::focusWidget(), h.main->widgets().cmdconnect);
    } else {
        QCOMPARE(h.commands(), QStringList{sent});
        QCOMPARE(h.messageLog().size(), 1);
    }
    if (control == QLatin1String("comdirect")) {
        // Ready for the next command: focus and the whole text selected.
        QCOMPARE(QApplication::focusWidget(), h.main->widgets().comdirect);
        QCOMPARE(h.main->widgets().comdirect->lineEdit()->selectedText(),
                 QStringLiteral("sv_hostname"));
    }
}

void TestConsole::enterInOtherWindowsDoesNotSend() {
    Harness h;
    h.connectDirect();
    typeCommand(h, QStringLiteral("sv_hostname"));
    QVERIFY(activate(h.main.get()));

    h.main->openPreferences();
    auto* prefs = h.main->findChild<PreferencesDialog*>();
    QVERIFY(prefs);
    QVERIFY(activate(prefs));
    auto* messageSet = prefs->findChild<QLineEdit*>(QStringLiteral("txtmesset"));
    messageSet->setEnabled(true);
    messageSet->setFocus();
    QTest::keyClick(messageSet, Qt::Key_Return);
    prefs->close();

    h.main->openHob();
    auto* hob = h.main->findChild<HobWindow*>();
    QVERIFY(hob);
    QVERIFY(activate(hob));
    QTest::keyClick(hob->focusWidget() ? hob->focusWidget() : hob, Qt::Key_Return);

    Harness::pause(1);
    QCOMPARE(h.commands(), QStringList());
    QVERIFY(h.messageLog().isEmpty());
}

void TestConsole::enterKeptByControlsThatUseIt() {
    Harness h;
    h.connectDirect();
    QVERIFY(activate(h.main.get()));

    // Enter in an open drop-down list picks the entry.
    QComboBox* direct = h.main->widgets().comdirect;
    direct->addItem(QStringLiteral("status"));
    direct->addItem(QStringLiteral("serverinfo"));
    direct->setCurrentIndex(0);
    direct->setFocus();
    direct->showPopup();
    QWidget* list = direct->view();
    QVERIFY(QTest::qWaitFor([list] { return list->isVisible(); }, 2000));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([list] { return !list->isVisible(); }, 2000));
    QCOMPARE(direct->currentText(), QStringLiteral("serverinfo"));

    // Enter in a multi-line box starts a new line.
    auto* edit = h.find<QPlainTextEdit>(QStringLiteral("txtcurmaprot_1"));
    if (edit) {
        edit->setPlainText(QStringLiteral("map mp_harbor"));
        edit->moveCursor(QTextCursor::End);
        QVERIFY(activate(h.main.get()));
        QVERIFY(pressEnterIn(h, edit));
        QCOMPARE(edit->toPlainText(), QStringLiteral("map mp_harbor\n"));
    }

    Harness::pause(1);
    QCOMPARE(h.commands(), QStringList());
    QVERIFY(h.messageLog().isEmpty());
}

QTEST_MAIN(TestConsole)
#include "tst_console.moc"
