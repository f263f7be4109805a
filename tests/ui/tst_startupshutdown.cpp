#include "support/Harness.h"
#include "ui/LogActions.h"
#include "ui/ProgressNotice.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString dated(const char* prefix) {
    return QLatin1String(prefix) + QDate::currentDate().toString(QStringLiteral("ddMMyy")) +
           QLatin1String(".log");
}

// Records the progress notices the window shows, in order.
class RecordingMain : public Main {
public:
    using Main::Main;
    void showProgress(const QString& text, const QString& mode) override {
        if (!text.isEmpty())
            notices << text;
        Main::showProgress(text, mode);
    }
    QStringList notices;
};

} // namespace

class TestStartupShutdown : public QObject {
    Q_OBJECT
private slots:
    void startWithoutSettingsFile();
    void autoConnectWithIncompleteTripleSendsNothing();
    void exitWritesServersAndLogsInOrder();
    void exitWithUnwritableSettingsSkipsLogs();
    void logMenuSavesAppendAndCancelWritesNothing();
    void failedLogSaveIsReported();
    void clearAsksFirst();
};

void TestStartupShutdown::startWithoutSettingsFile() {
    Harness h;
    h.startup();
    const MainWidgets& w = h.main->widgets();
    QCOMPARE(w.comserver->currentText(), QStringLiteral("127.0.0.1"));
    QCOMPARE(w.comport->currentText(), QStringLiteral("28960"));
    QCOMPARE(w.txtprefix->text(), QStringLiteral("RemoteUser"));
    QCOMPARE(w.cmdconnect->property("tag").toString(), QStringLiteral("NO"));
    QVERIFY(!h.main->session().state().loading);
    QCOMPARE(h.main->session().state().inifile,
             QDir(h.dir()).filePath(QStringLiteral("vostrel.ini")));
    Harness::pause(0.5);
    QVERIFY(h.sim.received().isEmpty());
    QVERIFY(h.dialogs.shown().isEmpty());

    // The two logs default to being saved at exit; the settings file has nothing to hold.
    h.main->close();
    QVERIFY(QFile::exists(h.path(dated("vostrel_rcon_"))));
    QVERIFY(QFile::exists(h.path(dated("vostrel_messages_"))));
    QVERIFY(!QFile::exists(h.path(QStringLiteral("vostrel.ini"))));
}

void TestStartupShutdown::autoConnectWithIncompleteTripleSendsNothing() {
    Harness h;
    h.writeSettings("[options]\r\nautoconnect=1\r\nautoconnectserv=127.0.0.1\r\n"
                    "autoconnectport=" +
                    QByteArray::number(h.sim.port()) +
                    "\r\n"
                    "[Remoteuser]\r\nuser=Admin\r\n");
    h.startup();
    const MainWidgets& w = h.main->widgets();
    QCOMPARE(w.comserver->currentText(), QStringLiteral("127.0.0.1"));
    QCOMPARE(w.comport->currentText(), QString::number(h.sim.port()));
    QVERIFY(w.txtPWD->text().isEmpty());
    QCOMPARE(w.txtprefix->text(), QStringLiteral("Admin"));
    Harness::pause(0.5);
    QVERIFY(h.sim.received().isEmpty());
}

void TestStartupShutdown::exitWritesServersAndLogsInOrder() {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        QFile ini(dir.filePath(QStringLiteral("vostrel.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[servers]\r\nserver1=a\r\nserver2=b\r\nserver3=c\r\n[ports]\r\nport1=1\r\n"
                  "port2=2\r\nport3=3\r\n[rcon]\r\nrcon1=pa\r\nrcon2=pb\r\nrcon3=pc\r\n");
    }
    ScriptedDialogs dialogs;
    {
        RecordingMain main(dialogs);
        main.startup();
        QCOMPARE(main.widgets().lstservers->count(), 3);
        QCOMPARE(main.widgets().lstrcon->item(1)->text(), QStringLiteral("pb"));
        delete main.widgets().lstservers->takeItem(1);
        delete main.widgets().lstrcon->takeItem(1);
        main.appendRcon(QStringLiteral("pane text\r\n"));
        main.addMessage(QStringLiteral("first"));
        main.addMessage(QStringLiteral("second"));
        main.close();
        QCOMPARE(main.notices, (QStringList{QStringLiteral("Saving server list to INI"),
                                            QStringLiteral("Saving RCON output..."),
                                            QStringLiteral("Saving Message output...")}));
    }
    QVERIFY(dialogs.shown().isEmpty());
    const QByteArray ini = readAll(dir.filePath(QStringLiteral("vostrel.ini")));
    QVERIFY2(ini.contains("server1=a\r\nserver2=c\r\nserver3=\r\n"), ini.constData());
    QVERIFY(ini.contains("rcon1=pa\r\nrcon2=pc\r\nrcon3=\r\n"));
    QCOMPARE(readAll(dir.filePath(dated("vostrel_rcon_"))), QByteArray("pane text\r\n\r\n"));
    const QByteArray messages = readAll(dir.filePath(dated("vostrel_messages_")));
    QVERIFY(messages.indexOf(" second\r\n") < messages.indexOf(" first\r\n"));
    QVERIFY(messages.startsWith("Time: "));
    QDir::setCurrent(previous);
}

void TestStartupShutdown::exitWithUnwritableSettingsSkipsLogs() {
    Harness h(false);
    QDir(h.dir()).mkdir(QStringLiteral("vostrel.ini")); // a folder where the file belongs
    h.startup();
    h.main->widgets().lstservers->addItem(QStringLiteral("host:28960"));
    h.main->widgets().lstrcon->addItem(QStringLiteral("pw"));
    h.main->close();
    QCOMPARE(h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown box = h.dialogs.messages().constFirst();
    QCOMPARE(box.title, QStringLiteral("INI Write Fail"));
    QVERIFY(box.text.startsWith(
        QStringLiteral("Failed to write new server list to INI file (Server)\rError code ")));
    QVERIFY(box.text.contains(QStringLiteral(" Descr: ")));
    QVERIFY(!QFile::exists(h.path(dated("vostrel_rcon_"))));
    QVERIFY(!QFile::exists(h.path(dated("vostrel_messages_"))));
}

void TestStartupShutdown::logMenuSavesAppendAndCancelWritesNothing() {
    Harness h(false);
    h.main->appendRcon(QStringLiteral("abc\r\n"));
    QAction* save = h.main->findChild<QAction*>(QStringLiteral("savercon"));
    const QString target = h.path(QStringLiteral("chosen.log"));
    h.dialogs.setNextSaveName(target);
    save->trigger();
    h.dialogs.setNextSaveName(target);
    save->trigger();
    QCOMPARE(readAll(target), QByteArray("abc\r\n\r\nabc\r\n\r\n"));
    const ScriptedDialogs::Shown dialog = h.dialogs.shown().constFirst();
    QCOMPARE(dialog.kind, ScriptedDialogs::Kind::SaveFile);
    QCOMPARE(dialog.title, QStringLiteral("Save file as..."));
    QCOMPARE(dialog.text, dated("vostrel_rcon_").chopped(4));
    QCOMPARE(dialog.defaultText, QStringLiteral("log"));

    h.dialogs.clear();
    h.main->findChild<QAction*>(QStringLiteral("savemessages"))->trigger(); // cancelled
    QCOMPARE(QDir(h.dir()).entryList(QDir::Files), QStringList{QStringLiteral("chosen.log")});
    QVERIFY(h.main->progressNotice()->isHidden());
}

void TestStartupShutdown::failedLogSaveIsReported() {
    Harness h(false);
    h.main->addMessage(QStringLiteral("x"));
    h.dialogs.setNextSaveName(h.path(QStringLiteral("missing/folder/m.log")));
    h.main->findChild<QAction*>(QStringLiteral("savemessages"))->trigger();
    QCOMPARE(h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown box = h.dialogs.messages().constFirst();
    QCOMPARE(box.title, QStringLiteral("Failed to Save"));
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
    QVERIFY(box.text.startsWith(QStringLiteral("Error writing file, err ")));
    QVERIFY(box.text.endsWith(QStringLiteral("\rMessage log not written")));
    QVERIFY(h.main->progressNotice()->isHidden());
}

void TestStartupShutdown::clearAsksFirst() {
    Harness h(false);
    h.main->appendRcon(QStringLiteral("keep me\r\n"));
    h.main->addMessage(QStringLiteral("one"));
    h.dialogs.setNextAnswer(Dialogs::Answer::No);
    h.main->findChild<QAction*>(QStringLiteral("clearrcon"))->trigger();
    QCOMPARE(h.rconText(), QStringLiteral("keep me\n"));
    h.dialogs.setNextAnswer(Dialogs::Answer::Yes);
    h.main->findChild<QAction*>(QStringLiteral("clearmessage"))->trigger();
    QVERIFY(h.messageLog().isEmpty());
    QCOMPARE(h.dialogs.messageTitles(),
             (QStringList{QStringLiteral("Clear"), QStringLiteral("Clear")}));
    QCOMPARE(h.dialogs.messages().at(0).text, QStringLiteral("Clear the RCON window?"));
    QCOMPARE(h.dialogs.messages().at(1).text, QStringLiteral("Clear the message window?"));
    QCOMPARE(h.dialogs.messages().at(1).buttons, Dialogs::Buttons::YesNo);
}

QTEST_MAIN(TestStartupShutdown)
#include "tst_startupshutdown.moc"
