#include "app/SayPrefix.h"
#include "support/Harness.h"
#include "ui/pages/MessagesPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QByteArray setSection(int index, const QByteArray& name, const QList<QByteArray>& messages) {
    QByteArray text = "[set" + QByteArray::number(index) + "]\nname=" + name + "\n";
    for (int i = 0; i < messages.size(); ++i)
        text += "mess" + QByteArray::number(i) + "=" + messages.at(i) + "\n";
    return text + "mess" + QByteArray::number(messages.size()) + "=\n";
}

const QByteArray kSets =
    setSection(0, "Three", {"one", "two", "three"}) + setSection(1, "Single", {"solo"});

// A started program with saved sets, connected to the simulated server.
struct Cycler {
    explicit Cycler(const QByteArray& settings = kSets, bool connect = true) {
        h.writeSettings(settings);
        if (connect)
            h.connectDirect();
        h.startup();
        page = h.main->pages().messages;
        combo = h.find<QComboBox>(QStringLiteral("commessset"));
        interval = h.find<QLineEdit>(QStringLiteral("txtinterval"));
        timer = page->findChild<QTimer*>(QStringLiteral("tmrmessage"));
    }
    void start(const QString& set = {}) {
        if (!set.isEmpty()) {
            combo->setEditText(set);
            page->commessset_LostFocus();
        }
        h.find<QPushButton>(QStringLiteral("cmdmessstart"))->click();
    }
    void stop() { h.find<QPushButton>(QStringLiteral("cmdmessstop"))->click(); }
    // The broadcasts the server received, without "say " and the tag.
    QStringList said() const {
        QStringList texts;
        for (const QString& command : h.commands())
            if (command.startsWith(QLatin1String("say ")))
                texts << command.mid(sayCommand({}).size());
        return texts;
    }
    // Runs ticks and returns the numbers (from 1) of those that broadcast.
    QList<int> ticks(int count) {
        QList<int> broadcasting;
        for (int i = 1; i <= count; ++i) {
            const qsizetype before = said().size();
            page->tmrmessage_Timer();
            if (said().size() > before)
                broadcasting << i;
        }
        return broadcasting;
    }
    void typeInterval(const QString& text) {
        interval->selectAll();
        QTest::keyClicks(interval, text);
        page->txtinterval_LostFocus();
    }

    Harness h;
    MessagesPage* page = nullptr;
    QComboBox* combo = nullptr;
    QLineEdit* interval = nullptr;
    QTimer* timer = nullptr;
};

} // namespace

class TestCycler : public QObject {
    Q_OBJECT
private slots:
    void startAndStop();
    void startRefusals_data();
    void startRefusals();
    void intervalThree();
    void cyclesAndContinuesAfterStopStart();
    void shorterSetRestartsAtFirst();
    void unknownSetKeepsPreviousSlot();
    void ipPlaceholder();
    void queriedPlaceholders_data();
    void queriedPlaceholders();
    void intervalChecks_data();
    void intervalChecks();
    void newIntervalRestartsCount();
    void busyTickWaits();
    void tickWhileDisconnected();
    void saveStopsCycler();
    void oneOffMessage();
    void oneOffCancelled();
    void automaticStart_data();
    void automaticStart();
};

void TestCycler::startAndStop() {
    Cycler c;
    QVERIFY(c.timer);
    QCOMPARE(c.timer->parent(), c.page);
    QCOMPARE(c.timer->interval(), 60 * Harness::kSecondMs);
    c.start(QStringLiteral("Single"));
    QCOMPARE(c.h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown question = c.h.dialogs.messages().at(0);
    QCOMPARE(question.text, QStringLiteral("Start message Cycle for set named:\rSingle"));
    QCOMPARE(question.title, QStringLiteral("Start Message Cycler"));
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);
    QVERIFY(c.timer->isActive());
    QVERIFY(c.page->cyclerRunning());
    QVERIFY(!c.h.find<QPushButton>(QStringLiteral("cmdmessstart"))->isEnabled());
    QVERIFY(c.h.find<QPushButton>(QStringLiteral("cmdmessstop"))->isEnabled());
    QCOMPARE(int(c.h.main->session().state().cycleset), 1);
    c.stop();
    QVERIFY(!c.timer->isActive());
    QVERIFY(c.h.find<QPushButton>(QStringLiteral("cmdmessstart"))->isEnabled());
    QVERIFY(!c.h.find<QPushButton>(QStringLiteral("cmdmessstop"))->isEnabled());
    QVERIFY(c.h.commands().isEmpty());
}

void TestCycler::startRefusals_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("pendingEdit");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("not connected")
        << kSets << false << false << false << QStringList{"Not Connected"};
    QTest::newRow("pending edits")
        << kSets << true << true << false << QStringList{"Pending Save Sets"};
    QTest::newRow("question cancelled")
        << kSets << true << false << true << QStringList{"Start Message Cycler"};
    QTest::newRow("set without messages")
        << setSection(0, "Empty", {}) << true << false << false
        << QStringList{"Start Message Cycler", "No messages in set"};
}

void TestCycler::startRefusals() {
    QFETCH(QByteArray, settings);
    QFETCH(bool, connected);
    QFETCH(bool, pendingEdit);
    QFETCH(bool, cancel);
    QFETCH(QStringList, titles);
    Cycler c(settings, connected);
    if (pendingEdit) {
        c.h.find<QLineEdit>(QStringLiteral("txtmess"))->setText(QStringLiteral("new"));
        c.page->txtmess_LostFocus();
    }
    if (cancel)
        c.h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    c.start();
    QCOMPARE(c.h.dialogs.messageTitles(), titles);
    QVERIFY(!c.page->cyclerRunning());
    const QList<ScriptedDialogs::Shown> boxes = c.h.dialogs.messages();
    if (titles.last() == QLatin1String("Pending Save Sets"))
        QCOMPARE(boxes.last().text,
                 QStringLiteral("Pending Save sets active\rPlease either Save or "
                                "Discard changes\rbefore starting message "
                                "cycler"));
    if (titles.last() == QLatin1String("No messages in set"))
        QCOMPARE(boxes.last().text, QStringLiteral("The message set does not contain any "
                                                   "messages!\r Please make some messages first."));
    if (titles.last() == QLatin1String("Not Connected"))
        QCOMPARE(boxes.last().text, QStringLiteral("Please connect to server first"));
}

void TestCycler::intervalThree() {
    Cycler c;
    c.start();
    QCOMPARE(c.ticks(7), (QList<int>{1, 4, 7}));
    QCOMPARE(c.said(), (QStringList{"one", "two", "three"}));
    // Broadcasts are echoed in the pane like any other command.
    QVERIFY(c.h.rconText().contains(QLatin1String(">>RCON sent")));
}

void TestCycler::cyclesAndContinuesAfterStopStart() {
    Cycler c;
    c.interval->setText(QStringLiteral("1"));
    c.start();
    c.ticks(4);
    QCOMPARE(c.said(), (QStringList{"one", "two", "three", "one"}));
    c.stop();
    c.start();
    c.ticks(1);
    QCOMPARE(c.said().last(), QStringLiteral("two"));
}

void TestCycler::shorterSetRestartsAtFirst() {
    Cycler c;
    c.interval->setText(QStringLiteral("1"));
    c.start(QStringLiteral("Three"));
    c.ticks(2);
    c.stop();
    c.start(QStringLiteral("Single"));
    c.ticks(2);
    QCOMPARE(c.said(), (QStringList{"one", "two", "solo", "solo"}));
}

void TestCycler::unknownSetKeepsPreviousSlot() {
    Cycler c;
    c.interval->setText(QStringLiteral("1"));
    c.combo->setEditText(QStringLiteral("Nobody"));
    c.start();
    QVERIFY(c.page->cyclerRunning());
    c.ticks(1);
    c.stop();
    c.start(QStringLiteral("Single"));
    c.stop();
    c.combo->setEditText(QStringLiteral("Nobody"));
    c.start();
    c.ticks(1);
    // Slot 0 after program start, then the slot chosen last.
    QCOMPARE(c.said(), (QStringList{"one", "solo"}));
}

void TestCycler::ipPlaceholder() {
    Cycler c(setSection(0, "Ads", {"Join %ip% now"}));
    // Only the boxes' texts; the channel stays open to the simulated server.
    c.h.main->widgets().comserver->setEditText(QStringLiteral("10.0.0.5"));
    c.h.main->widgets().comport->setEditText(QStringLiteral("28960"));
    c.start();
    c.ticks(1);
    QCOMPARE(c.h.commands(), QStringList{sayCommand(QStringLiteral("Join 10.0.0.5:28960 now"))});
}

void TestCycler::queriedPlaceholders_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("friendlyFire"); // null: the variable does not exist
    QTest::addColumn<QStringList>("commands");

    const QString name = QStringLiteral("cvarlist sv_hostname");
    const QString ff = QStringLiteral("cvarlist setfriendlyfire");
    QTest::newRow("friendly fire 2")
        << QByteArray("FF is %FF%") << "2" << QStringList{ff, sayCommand("FF is Reflective")};
    QTest::newRow("friendly fire 0, any case")
        << QByteArray("FF is %ff%") << "0" << QStringList{ff, sayCommand("FF is Off")};
    QTest::newRow("friendly fire out of range")
        << QByteArray("FF is %FF%.") << "7" << QStringList{ff, sayCommand("FF is .")};
    QTest::newRow("friendly fire missing")
        << QByteArray("FF is %FF%.") << QString() << QStringList{ff, sayCommand("FF is .")};
    QTest::newRow("server name, then friendly fire")
        << QByteArray("%sn% has FF %FF% %SN%") << "3"
        << QStringList{name, ff, sayCommand("Sim Server has FF Shared %SN%")};
}

void TestCycler::queriedPlaceholders() {
    QFETCH(QByteArray, message);
    QFETCH(QString, friendlyFire);
    QFETCH(QStringList, commands);
    Cycler c(setSection(0, "Info", {message}));
    c.h.sim.setCvar(QStringLiteral("sv_hostname"), QStringLiteral("Sim Server"));
    if (friendlyFire.isNull())
        c.h.sim.removeCvar(QStringLiteral("setfriendlyfire"));
    else
        c.h.sim.setCvar(QStringLiteral("setfriendlyfire"), friendlyFire);
    c.start();
    c.ticks(1);
    QCOMPARE(c.h.commands(), commands);
}

void TestCycler::intervalChecks_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("box"); // empty: accepted
    QTest::newRow("0") << "0"
                       << "Value between 1 and 10 minutes";
    QTest::newRow("11") << "11"
                        << "Value between 1 and 10 minutes";
    QTest::newRow("abc") << "abc"
                         << "Value between 1 and 10 only please";
    QTest::newRow("5") << "5"
                       << "";
    QTest::newRow("10") << "10"
                        << "";
}

void TestCycler::intervalChecks() {
    QFETCH(QString, typed);
    QFETCH(QString, box);
    Cycler c;
    c.h.main->session().state().cycleminutes = 2;
    c.typeInterval(typed);
    if (box.isEmpty()) {
        QVERIFY(c.h.dialogs.shown().isEmpty());
        QCOMPARE(int(c.h.main->session().state().cycleminutes), 0);
    } else {
        QCOMPARE(c.h.dialogs.messages().size(), 1);
        QCOMPARE(c.h.dialogs.messages().at(0).text, box);
        QCOMPARE(c.h.dialogs.messages().at(0).title, QStringLiteral("Invalid Entry"));
        QCOMPARE(c.h.dialogs.messages().at(0).icon, Dialogs::Icon::Information);
        QCOMPARE(int(c.h.main->session().state().cycleminutes), 2);
    }
    // Leaving the box again without a change checks nothing.
    c.h.dialogs.clear();
    if (box.isEmpty()) {
        c.h.main->session().state().cycleminutes = 2;
        c.page->txtinterval_LostFocus();
        QCOMPARE(int(c.h.main->session().state().cycleminutes), 2);
    }
}

void TestCycler::newIntervalRestartsCount() {
    Cycler c;
    c.start();
    QCOMPARE(c.ticks(2), QList<int>{1});
    c.typeInterval(QStringLiteral("5"));
    // The count starts again: the next tick broadcasts, then every fifth.
    QCOMPARE(c.ticks(6), (QList<int>{1, 6}));
    // A refused entry leaves the last good interval in force.
    c.typeInterval(QStringLiteral("abc"));
    QCOMPARE(c.ticks(5), QList<int>{5});
}

void TestCycler::busyTickWaits() {
    Cycler c;
    c.interval->setText(QStringLiteral("1"));
    c.start();
    c.h.main->session().state().busy = true;
    QCOMPARE(c.ticks(1), QList<int>{});
    c.h.main->session().state().busy = false;
    QCOMPARE(c.ticks(1), QList<int>{1});
    QCOMPARE(c.said(), QStringList{QStringLiteral("one")});
}

void TestCycler::tickWhileDisconnected() {
    Cycler c;
    c.start();
    c.h.main->session().setConnectTag(QStringLiteral("NO"));
    c.h.dialogs.clear();
    c.ticks(1);
    QCOMPARE(c.h.dialogs.messageTitles(), QStringList{QStringLiteral("Not Connected")});
    QVERIFY(c.h.commands().isEmpty());
    QVERIFY(c.page->cyclerRunning());
    QCOMPARE(int(c.h.main->session().state().cycleminutes), 0);
}

void TestCycler::saveStopsCycler() {
    Cycler c;
    c.start();
    c.h.find<QLineEdit>(QStringLiteral("txtmess"))->setText(QStringLiteral("four"));
    c.page->txtmess_LostFocus();
    c.h.find<QPushButton>(QStringLiteral("cmdsetsave"))->click();
    QVERIFY(!c.page->cyclerRunning());
    QVERIFY(c.h.find<QPushButton>(QStringLiteral("cmdmessstart"))->isEnabled());
    QCOMPARE(c.h.main->session().state().messlive.at(0).last(), QStringLiteral("four"));
}

void TestCycler::oneOffMessage() {
    Cycler c;
    c.h.main->widgets().txtprefix->setText(QStringLiteral("Admin"));
    c.h.dialogs.setNextInput(QStringLiteral("hi"));
    c.h.main->widgets().cmdmessage->click();
    Harness::pause(2);
    QCOMPARE(c.h.commands(), QStringList{sayCommand(QStringLiteral("Admin hi"))});
    QCOMPARE(c.h.messageLog(), QStringList{QStringLiteral("Message to server>> Admin hi")});
    const ScriptedDialogs::Shown input = c.h.dialogs.shown().at(0);
    QCOMPARE(input.text, QStringLiteral("Type message to send to server"));
    QCOMPARE(input.title, QStringLiteral("Server Message"));
    QCOMPARE(input.defaultText, QStringLiteral("Welcome to our server, enjoy your stay"));
    QVERIFY(!c.h.main->session().state().nowait);
    // Sent once, without waiting: the pane has no echo line for it.
    QVERIFY(!c.h.rconText().contains(QLatin1String(">>RCON sent")));
}

void TestCycler::oneOffCancelled() {
    Cycler c;
    c.h.dialogs.setNextInput(QString());
    c.page->sendOneOffMessage(QStringLiteral("Admin"));
    Harness::pause(1);
    QVERIFY(c.h.commands().isEmpty());
    QVERIFY(c.h.messageLog().isEmpty());
}

void TestCycler::automaticStart_data() {
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("interval");

    QTest::newRow("second set, interval 2")
        << QByteArray("automessage=1\nmessageset=2\nmessagetime=2\n") << true << true << "Single"
        << "2";
    QTest::newRow("no such set: the first")
        << QByteArray("automessage=1\nmessageset=7\nmessagetime=4\n") << true << true << "Three"
        << "4";
    QTest::newRow("not connected: silently not started")
        << QByteArray("automessage=1\nmessageset=1\nmessagetime=3\n") << false << false << "Three"
        << "3";
}

void TestCycler::automaticStart() {
    QFETCH(QByteArray, options);
    QFETCH(bool, connected);
    QFETCH(bool, running);
    QFETCH(QString, set);
    QFETCH(QString, interval);
    Cycler c(kSets + "[options]\n" + options, connected);
    QCOMPARE(c.page->cyclerRunning(), running);
    QCOMPARE(c.combo->currentText(), set);
    QCOMPARE(c.interval->text(), interval);
    // The free slots stay on show.
    QCOMPARE(c.h.find<QLineEdit>(QStringLiteral("txtfreesets"))->text(), QStringLiteral("8"));
    QVERIFY(c.h.dialogs.shown().isEmpty());
    QVERIFY(!c.h.main->session().state().automode);
    if (running) {
        c.ticks(1);
        QCOMPARE(c.said(), QStringList{set == QLatin1String("Single") ? "solo" : "one"});
    }
}

QTEST_MAIN(TestCycler)
#include "tst_cycler.moc"
