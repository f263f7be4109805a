#include "MessagesFixture.h"
#include "app/SayPrefix.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kSets =
    setSection(0, "Three", {"one", "two", "three"}) + setSection(1, "Pair", {"p1", "p2"});

// A started program with saved sets, connected to the simulated server.
struct Cycler : MessagesFixture {
    explicit Cycler(const QByteArray& settings = kSets, bool connect = true)
        : MessagesFixture(settings, connect) {}
    QTimer* timer() const { return page->findChild<QTimer*>(u"tmrmessage"_s); }
    void start(const QString& set = {}) {
        if (!set.isEmpty())
            chooseSet(set);
        click(u"cmdmessstart"_s);
    }
    // The broadcasts the server received, without "say " and the tag.
    QStringList said() const {
        QStringList texts;
        for (const QString& command : h.commands())
            if (command.startsWith("say "_L1))
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
        auto* interval = h.find<QLineEdit>(u"txtinterval"_s);
        interval->selectAll();
        QTest::keyClicks(interval, text);
        page->txtinterval_LostFocus();
    }
};

} // namespace

class TestCycler : public QObject {
    Q_OBJECT
private slots:
    void cyclesAcrossStopAndStart();
    void setChoice();
    void startRefusals_data();
    void startRefusals();
    void placeholders();
    void intervalEntries();
    void busyDisconnectedAndSaved();
    void oneOffMessage();
    void automaticStart_data();
    void automaticStart();
};

void TestCycler::cyclesAcrossStopAndStart() {
    Cycler c;
    QCOMPARE(c.timer()->interval(), 60 * Harness::kSecondMs);
    c.start();
    QCOMPARE(c.boxes(), QStringList{u"Start Message Cycler: Start message Cycle for set named:\r"
                                    "Three"_s});
    QVERIFY(c.timer()->isActive());
    QVERIFY(!c.enabled(u"cmdmessstart"_s));
    QVERIFY(c.enabled(u"cmdmessstop"_s));
    // The default interval is 3; broadcasts are echoed in the pane like any other command.
    QCOMPARE(c.ticks(10), (QList<int>{1, 4, 7, 10}));
    QCOMPARE(c.said(), (QStringList{"one", "two", "three", "one"}));
    QVERIFY(c.h.rconText().contains(">>RCON sent"_L1));

    c.click(u"cmdmessstop"_s);
    QVERIFY(!c.timer()->isActive());
    QVERIFY(c.enabled(u"cmdmessstart"_s));
    QVERIFY(!c.enabled(u"cmdmessstop"_s));
    // Position and minute count go on where they stopped.
    c.start();
    QCOMPARE(c.ticks(3), QList<int>{3});
    QCOMPARE(c.said().last(), u"two"_s);
}

void TestCycler::setChoice() {
    Cycler c;
    c.typeInterval(u"1"_s);
    // No set of that name: slot 0 after program start, later the slot chosen last.
    c.combo->setEditText(u"Nobody"_s);
    c.start();
    c.ticks(3);
    c.click(u"cmdmessstop"_s);
    // At position 3 the shorter set starts again at its first message.
    c.start(u"Pair"_s);
    c.ticks(2);
    c.click(u"cmdmessstop"_s);
    c.combo->setEditText(u"Nobody"_s);
    c.start();
    c.ticks(1);
    QCOMPARE(c.said(), (QStringList{"one", "two", "three", "p1", "p2", "p1"}));
}

void TestCycler::startRefusals_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("edit"); // a message typed into the set before Start
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QStringList>("boxes");

    const QString question = u"Start Message Cycler: Start message Cycle for set named:\r"_s;
    QTest::newRow("not connected") << kSets << false << QString() << false
                                   << QStringList{"Not Connected: Please connect to server first"};
    QTest::newRow("pending edits")
        << kSets << true << u"new"_s << false
        << QStringList{"Pending Save Sets: Pending Save sets active\rPlease either Save or "
                       "Discard changes\rbefore starting message cycler"};
    QTest::newRow("question cancelled")
        << kSets << true << QString() << true << QStringList{question + "Three"};
    QTest::newRow("set without messages")
        << setSection(0, "Empty", {}) << true << QString() << false
        << QStringList{question + "Empty", "No messages in set: The message set does not contain "
                                           "any messages!\r Please make some messages first."};
}

void TestCycler::startRefusals() {
    QFETCH(QByteArray, settings);
    QFETCH(bool, connected);
    QFETCH(QString, edit);
    QFETCH(bool, cancel);
    Cycler c(settings, connected);
    if (!edit.isEmpty())
        c.addMessage(edit);
    if (cancel)
        c.h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    c.start();
    QTEST(c.boxes(), "boxes");
    QVERIFY(!c.page->cyclerRunning());
    QVERIFY(!c.timer()->isActive());
}

void TestCycler::placeholders() {
    Cycler c(setSection(0, "Info", {"Join %ip% now", "FF is %FF%", "%sn% has FF %FF% %SN%"}));
    // Only the boxes' texts: the channel stays open to the simulated server.
    c.h.main->widgets().comserver->setEditText(u"10.0.0.5"_s);
    c.h.main->widgets().comport->setEditText(u"28960"_s);
    c.h.sim.setCvar(u"sv_hostname"_s, u"Sim Server"_s);
    c.h.sim.setCvar(u"setfriendlyfire"_s, u"2"_s);
    c.typeInterval(u"1"_s);
    c.start();
    c.ticks(3);
    const QString name = u"cvarlist sv_hostname"_s;
    const QString ff = u"cvarlist setfriendlyfire"_s;
    QCOMPARE(c.h.commands(), (QStringList{sayCommand(u"Join 10.0.0.5:28960 now"_s), ff,
                                          sayCommand(u"FF is Reflective"_s), name, ff,
                                          sayCommand(u"Sim Server has FF Reflective %SN%"_s)}));
}

void TestCycler::intervalEntries() {
    Cycler c;
    c.start();
    QCOMPARE(c.ticks(2), QList<int>{1});
    c.h.dialogs.clear();
    // Refused entries leave the interval of 3 and its count in force.
    for (const QString& typed : {u"0"_s, u"11"_s, u"abc"_s})
        c.typeInterval(typed);
    const QString range = u"Invalid Entry: Value between 1 and 10 minutes"_s;
    QCOMPARE(c.boxes(),
             (QStringList{range, range, u"Invalid Entry: Value between 1 and 10 only please"_s}));
    QCOMPARE(c.ticks(2), QList<int>{2});
    // 5 starts the count again: the next tick broadcasts, then every fifth.
    c.typeInterval(u"5"_s);
    QCOMPARE(c.ticks(6), (QList<int>{1, 6}));
}

void TestCycler::busyDisconnectedAndSaved() {
    Cycler c;
    c.typeInterval(u"1"_s);
    c.start();
    // A long exchange of another page holds the message back to the next tick.
    c.state().busy = true;
    QCOMPARE(c.ticks(1), QList<int>{});
    c.state().busy = false;
    QCOMPARE(c.ticks(1), QList<int>{1});
    QCOMPARE(c.said(), QStringList{u"one"_s});

    c.h.main->session().setConnectTag(u"NO"_s);
    c.h.dialogs.clear();
    c.ticks(1);
    QCOMPARE(c.boxes(), QStringList{u"Not Connected: Please connect to server first"_s});
    QCOMPARE(c.said().size(), 1);
    QVERIFY(c.page->cyclerRunning());

    // Saving the sets stops the cycler; it is not started again.
    c.addMessage(u"four"_s);
    c.click(u"cmdsetsave"_s);
    QVERIFY(!c.page->cyclerRunning());
    QVERIFY(c.enabled(u"cmdmessstart"_s));
}

void TestCycler::oneOffMessage() {
    Cycler c;
    c.h.main->widgets().txtprefix->setText(u"Admin"_s);
    c.h.dialogs.setNextInput(QString());
    c.h.main->widgets().cmdmessage->click();
    c.h.dialogs.setNextInput(u"hi"_s);
    c.h.main->widgets().cmdmessage->click();
    Harness::pause(2);
    QCOMPARE(c.h.commands(), QStringList{sayCommand(u"Admin hi"_s)});
    QCOMPARE(c.h.messageLog(), QStringList{u"Message to server>> Admin hi"_s});
    const ScriptedDialogs::Shown input = c.h.dialogs.shown().at(1);
    QCOMPARE(input.text, u"Type message to send to server"_s);
    QCOMPARE(input.title, u"Server Message"_s);
    QCOMPARE(input.defaultText, u"Welcome to our server, enjoy your stay"_s);
    // Sent once, without waiting and without an echo line in the pane.
    QVERIFY(!c.state().nowait);
    QVERIFY(!c.h.rconText().contains(">>RCON sent"_L1));
}

void TestCycler::automaticStart_data() {
    QTest::addColumn<int>("set");  // the options' messageset, from 1
    QTest::addColumn<int>("time"); // and messagetime
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("shown");    // the set named in the combo box
    QTest::addColumn<QStringList>("said"); // after one tick; empty: not running
    QTest::newRow("second set, interval 2") << 2 << 2 << true << u"Pair"_s << QStringList{"p1"};
    QTest::newRow("no such set: the first") << 7 << 4 << true << u"Three"_s << QStringList{"one"};
    QTest::newRow("not connected: silently not started")
        << 1 << 3 << false << u"Three"_s << QStringList{};
}

void TestCycler::automaticStart() {
    QFETCH(int, set);
    QFETCH(int, time);
    QFETCH(bool, connected);
    QFETCH(QStringList, said);
    Cycler c(kSets + QStringLiteral("[options]\nautomessage=1\nmessageset=%1\nmessagetime=%2\n")
                         .arg(set)
                         .arg(time)
                         .toLatin1(),
             connected);
    QCOMPARE(c.page->cyclerRunning(), !said.isEmpty());
    QTEST(c.combo->currentText(), "shown");
    QCOMPARE(c.h.find<QLineEdit>(u"txtinterval"_s)->text(), QString::number(time));
    // The free slots stay on show.
    QCOMPARE(c.h.find<QLineEdit>(u"txtfreesets"_s)->text(), u"8"_s);
    QVERIFY(c.h.dialogs.shown().isEmpty());
    QVERIFY(!c.state().automode);
    if (c.page->cyclerRunning())
        c.ticks(1);
    QCOMPARE(c.said(), said);
}

QTEST_MAIN(TestCycler)
#include "tst_cycler.moc"
