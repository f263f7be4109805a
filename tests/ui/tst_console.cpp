#include "support/Harness.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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

void send(Harness& h, const QString& text) {
    h.main->widgets().comdirect->setEditText(text);
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
    void statusButtons();
    void enterKey_data();
    void enterKey();
};

void TestConsole::typedCommandsAndHistory() {
    Harness h;
    SharedState& state = h.main->session().state();
    const QComboBox* direct = h.main->widgets().comdirect;

    // Refused while disconnected: logged all the same, and its no-wait does not linger on.
    send(h, QStringLiteral("status"));
    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().first().text,
             QStringLiteral("Please connect to a server first!"));
    QCOMPARE(h.dialogs.messages().first().title, QStringLiteral("Not connected"));
    QVERIFY(!state.nowait);

    h.connectDirect();
    h.sim.setReplyDelayMs(300);
    for (const char* command : {"sv_hostname", "sv_hostname", "SV_HOSTNAME", "sv_hostname"}) {
        send(h, QLatin1String(command));
        QCOMPARE(direct->currentText(), QLatin1String(command));
    }
    QCOMPARE(history(direct), (QStringList{"status", "sv_hostname", "SV_HOSTNAME"}));
    QCOMPARE(h.messageLog(),
             (QStringList{"sv_hostname", "SV_HOSTNAME", "sv_hostname", "sv_hostname", "status"}));
    // Nothing waited for the replies; they reach the pane when they come.
    QVERIFY(!h.rconText().contains(QStringLiteral("sv_hostname")));
    QTRY_VERIFY(
        h.rconText().contains(QStringLiteral("\"sv_hostname\" is:\"Vostrel Test Server^7\"")));
    QCOMPARE(h.commands(),
             (QStringList{"sv_hostname", "sv_hostname", "SV_HOSTNAME", "sv_hostname"}));
    QVERIFY(!state.nowait);
    QVERIFY(!h.rconText().contains(QStringLiteral(">>RCON sent")));
    QCOMPARE(h.dialogs.shown().size(), 1);
}

void TestConsole::statusButtons() {
    Harness h;
    h.connectDirect();
    h.find<QPushButton>(QStringLiteral("cmdstatus"))->click();
    QVERIFY(h.rconText().startsWith(QStringLiteral("map: mp_harbor")));
    h.find<QPushButton>(QStringLiteral("cmsserverinfo"))->click();
    QVERIFY(h.rconText().contains(QStringLiteral("Server info settings:")));
    QVERIFY(!h.rconText().contains(QStringLiteral(">>RCON sent")));
    QCOMPARE(h.commands(), (QStringList{"Status", "serverinfo"}));
    QCOMPARE(h.messageLog(), (QStringList{"Server Info requested", "Server Status requested"}));

    // No reply: the box, and the log line all the same.
    h.sim.dropNextReplies(5);
    h.find<QPushButton>(QStringLiteral("cmsserverinfo"))->click();
    QCOMPARE(h.dialogs.messageTitles(), QStringList{QStringLiteral("No response")});
    QCOMPARE(h.messageLog().size(), 3);
    QCOMPARE(h.messageLog().first(), QStringLiteral("Server Info requested"));
}

void TestConsole::enterKey_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");  // "": nothing
    QTest::addColumn<QString>("focus"); // where the focus is afterwards; "": elsewhere

    const auto row = [](const char* name, const char* control, const char* typed, const char* sent,
                        const char* focus) {
        QTest::newRow(name) << QString::fromLatin1(control) << QString::fromLatin1(typed)
                            << QString::fromLatin1(sent) << QString::fromLatin1(focus);
    };
    row("Rcon Direct box", "comdirect", "sv_hostname", "sv_hostname", "comdirect");
    row("empty Rcon Direct box", "comdirect", "", "", "comdirect");
    row("address box", "comserver", "sv_hostname", "sv_hostname", "comdirect");
    row("message log", "lstmessages", "sv_hostname", "sv_hostname", "comdirect");
    row("password box", "txtPWD", "sv_hostname", "", "cmdconnect");
    row("message text box", "txtmess", "sv_hostname", "", "");
    row("message set list", "commessset", "sv_hostname", "", "");
    row("a focused button takes it", "cmdstatus", "sv_hostname", "Status", "cmdstatus");
    row("a multi-line box keeps it", "txtcurmaprot_1", "sv_hostname", "", "txtcurmaprot_1");
}

void TestConsole::enterKey() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    QFETCH(QString, focus);

    Harness h;
    h.connectDirect();
    QWidget* widget = h.find<QWidget>(control);
    QVERIFY2(widget, qPrintable(control));
    h.main->widgets().comdirect->setEditText(typed);
    QVERIFY(activate(h.main.get()));
    QVERIFY(pressEnterIn(h, widget));
    Harness::pause(1);

    QCOMPARE(h.commands(), sent.isEmpty() ? QStringList() : QStringList{sent});
    QCOMPARE(h.messageLog().size(), sent.isEmpty() ? 0 : 1);
    const QWidget* now = QApplication::focusWidget();
    if (focus.isEmpty())
        QVERIFY(now != widget && !widget->isAncestorOf(now));
    else
        QCOMPARE(now ? now->objectName() : QString(), focus);
    // After a send the box is ready for the next command: the whole text selected.
    if (focus == QLatin1String("comdirect") && !sent.isEmpty())
        QCOMPARE(h.main->widgets().comdirect->lineEdit()->selectedText(), sent);
}

QTEST_MAIN(TestConsole)
#include "tst_console.moc"
