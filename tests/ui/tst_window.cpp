#include "ModePageChecks.h"

#include "ui/ProgressNotice.h"
#include "ui/QtDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>

// The main window as a desktop window: status bar, size and state, focus, pane, boxes.
class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void statusBarAndCancel_data();
    void statusBarAndCancel();
    void fitsTheScreenAndRemembersItsState();
    void focusAndPane();
    void oneTruncatedBoxAtATime();
};

namespace {

// The status bar as one line: connection | busy indicator, Cancel | progress text.
QString statusBar(Harness& h) {
    const ProgressNotice* notice = h.main->progressNotice();
    return h.find<QLabel>("lblconnection")->text() +
           (h.find<QWidget>("busyindicator")->isHidden() ? " | idle" : " | busy") +
           (h.find<QPushButton>("cmdcancel")->isEnabled() ? ", Cancel | " : " | ") +
           (notice->isVisible() ? notice->text() : "");
}

} // namespace

void TestWindow::statusBarAndCancel_data() {
    QTest::addColumn<int>("cancelAt"); // Cancel at the server's nth datagram; 0 never; -1 the
                                       // first of three console requests
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("then"); // the status bar once all is over (%1: the address)
    QTest::newRow("connect") << 0 << "status,getstatus,cvarlist sv_maprotation,fdir *.cfg"
                             << "Connected to %1, game type dm, map mp_harbor | idle | ";
    QTest::newRow("cancel the password probe") << 1 << "status"
                                               << "Not connected | idle | ";
    QTest::newRow("cancel the status query") << 2 << "status,getstatus"
                                             << "Connected to %1 | idle | ";
    QTest::newRow("cancel console requests") << -1 << "Status"
                                             << "Connected to %1 | idle | ";
}

void TestWindow::statusBarAndCancel() {
    QFETCH(int, cancelAt);
    Harness h;
    const QString at = "127.0.0.1:" + QString::number(h.sim.port());
    QStringList seen{statusBar(h)};
    connect(&h.sim, &SimServer::datagramReceived, this, [&] {
        seen << statusBar(h);
        if (h.sim.received().size() == qAbs(cancelAt))
            h.find<QPushButton>("cmdcancel")->click();
    });
    const MainWidgets& w = h.main->widgets();
    if (cancelAt < 0) {
        h.connectDirect();
        for (QPushButton* button : {w.cmdstatus, w.cmsserverinfo, h.find<QPushButton>("cmdplypop")})
            button->click();
    } else {
        // The full connect saves the old logs first: their notice goes with the saves.
        h.main->session().state().options.clearrconnew = cancelAt == 0;
        h.main->session().state().options.clearmessnew = cancelAt == 0;
        w.comport->setEditText(QString::number(h.sim.port()));
        w.txtPWD->setText(h.sim.cvar("rconpassword"));
        w.cmdconnect->click();
    }
    QVERIFY(h.settle());
    Harness::pause(20); // longer than every retry would take
    QFETCH(QString, sent);
    QCOMPARE(h.commands().join(','), sent);
    QFETCH(QString, then); // no text is left over, no box has come
    QCOMPARE(statusBar(h) + h.dialogs.messageTitles().join(','), then.replace("%1", at));
    // While a connect runs: its address, the game once read, busy throughout, the step under
    // way.
    const QString read = "Connected to " + at + ", game type dm, map mp_harbor | busy, Cancel | ";
    const QStringList connecting{
        "Not connected | idle | ", "Connecting to " + at + " | busy, Cancel | ",
        "Connected to " + at + " | busy, Cancel | Asking server for status",
        read + "Asking server for Map rotation", read + "Asking server for cfg files"};
    if (cancelAt >= 0)
        QCOMPARE(seen, connecting.mid(0, cancelAt ? cancelAt + 1 : 5));
    const bool connected = then.startsWith("Conn");
    QVERIFY(h.click(connected ? "cmdstatus" : "cmdconnect")); // the queue goes on
    QCOMPARE(h.commands().value(sent.count(',') + 1), connected ? "Status" : "status");
}

void TestWindow::fitsTheScreenAndRemembersItsState() {
    auto h = std::make_unique<Harness>(false);
    QVERIFY(h->main->size().boundedTo(h->main->screen()->availableSize()) == h->main->size());
    // It fits 1280x720 at 150 % (853x480 device-independent pixels, less a title bar) and so
    // 1920x1080 at 200 %: the pages scroll instead of holding the window large.
    QVERIFY2(h->main->minimumSizeHint().width() <= 853 &&
                 h->main->minimumSizeHint().height() <= 440,
             qPrintable(QString("%1x%2")
                            .arg(h->main->minimumSizeHint().width())
                            .arg(h->main->minimumSizeHint().height())));
    // The next run opens as this one closed.
    h->main->show();
    h->main->resize(790, 560);
    h->find<QSplitter>("body")->setSizes({260, 200});
    QTRY_COMPARE(h->main->size(), QSize(790, 560));
    const QList<int> sizes = h->find<QSplitter>("body")->sizes();
    h->main->close();
    h->main = std::make_unique<Main>(h->dialogs, FileLocations{h->path("vostrel.ini"), h->dir()});
    h->startup();
    h->main->show();
    QTRY_COMPARE(h->main->size(), QSize(790, 560));
    QTRY_COMPARE(h->find<QSplitter>("body")->sizes(), sizes);
}

void TestWindow::focusAndPane() {
    Harness h;
    showPage(h, h.find<QWidget>("pageServer"));
    const MainWidgets& w = h.main->widgets();
    QTRY_VERIFY(w.comserver->hasFocus()); // typing starts in the address
    w.txtPWD->setFocus();
    h.main->openAbout();
    QTRY_VERIFY(QApplication::activeWindow() != h.main.get());
    showPage(h, h.find<QWidget>("pageServer")); // active again
    QVERIFY(w.txtPWD->hasFocus());              // the focus is back where it was

    // A long reply keeps the pane's left edge in view.
    QScrollBar* across = w.txtoutput->horizontalScrollBar();
    h.main->appendRcon(QString(3000, 'x') + "\r\n");
    across->setValue(across->maximum());
    h.main->appendRcon(QString(3000, 'y'));
    QVERIFY(across->maximum() > 0 && across->value() == 0);
    // The pane keeps its newest lines (the empty one after the last counts too), whether they
    // come one by one, in blocks that cross the cap, or in one block longer than the pane.
    for (const int linesPerReply : {1, 1000, Main::kRconPaneLines + 10}) {
        w.txtoutput->clear();
        QString reply;
        for (int i = 0; i < Main::kRconPaneLines + 10; ++i) {
            reply += QString("line %1\r\n").arg(i);
            if ((i + 1) % linesPerReply == 0 || i == Main::kRconPaneLines + 9)
                h.main->appendRcon(std::exchange(reply, {}));
        }
        QCOMPARE(w.txtoutput->document()->blockCount(), Main::kRconPaneLines);
        QCOMPARE(h.rconText().count('\n'), Main::kRconPaneLines - 1);
        QVERIFY(h.rconText().startsWith("line 11\n") && h.rconText().endsWith("line 5009\n"));
    }
}

void TestWindow::oneTruncatedBoxAtATime() {
    QtDialogs dialogs;
    const auto boxesAfter = [&dialogs](const QString& text) {
        // An OK-only box does not wait: the call returns with the box up.
        dialogs.message(text, "Truncated data", Dialogs::Icon::Information);
        QStringList texts;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
                texts << box->text();
        return texts.join(", ");
    };
    const QString truncated = "Truncated after 8192 bytes";
    QCOMPARE(boxesAfter(truncated), truncated);
    QCOMPARE(boxesAfter(truncated), truncated);
    QApplication::closeAllWindows();
    QCOMPARE(boxesAfter(truncated), truncated); // once closed, it opens again
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
