#include "ModePageChecks.h"
#include "app/SayPrefix.h"
#include "ui/ProgressNotice.h"
#include "ui/pages/MessagesPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// One message set as the settings file holds it, with the empty key that ends its messages.
QByteArray setSection(int index, const QByteArray& name, const QByteArrayList& messages) {
    QByteArray text = "[set" + QByteArray::number(index) + "]\r\nname=" + name + "\r\n";
    for (int i = 0; i < messages.size(); ++i)
        text += "mess" + QByteArray::number(i) + "=" + messages.at(i) + "\r\n";
    return text + "mess" + QByteArray::number(messages.size()) + "=\r\n";
}

const QByteArray kThreeSets = setSection(0, "Alpha", {"a1", "a2", "a3"}) +
                              setSection(1, "Bravo", {"b1"}) + setSection(2, "Charlie", {"c1"});
const QByteArray kCycleSets =
    setSection(0, "Three", {"one", "two", "three"}) + setSection(1, "Pair", {"p1", "p2"});

// Boxes by short name as boxesShown() lists them; "%" is the set "start"/"delete" name.
const char kBoxes[] = R"(new|New Message Set | Add new Set to list | Question | OkCancel
save|Save Changes | Save message sets to INI | Question | OkCancel
discard|Discard changes | Discard changes and reset to existing | Question | YesNo
discarded|Discarded changes | Reverted back to existing messages | Information | Ok
noset|No set selected | No message set selected in Message Set field | Information | Ok
full|No Free Slots | No free sets left, 10 in use\rTo add new you must remove an old one | Information | Ok
failed|Failed to write INI | Failed to write to INI file, Please report bug and messages attempted | Exclamation | Ok
unsaved|Unsaved Messages Sets | Message changes not saved\rClick OK if you wish to go back to save them | Exclamation | OkCancel
offline|Not Connected | Please connect to server first | Information | Ok
pending|Pending Save Sets | Pending Save sets active\rPlease either Save or Discard changes\rbefore starting message cycler | Exclamation | Ok
empty|No messages in set | The message set does not contain any messages!\r Please make some messages first. | Exclamation | Ok
delete|Confirm Delete | Are you sure you want to delete the set named:\r% | Question | OkCancel
start|Start Message Cycler | Start message Cycle for set named:\r% | Question | OkCancel
range|Invalid Entry | Value between 1 and 10 minutes | Information | Ok
number|Invalid Entry | Value between 1 and 10 only please | Information | Ok
noreply|No response | No response from server in 15 seconds\nCould be server loading map! or \nFragmented UDP packets which routers do not pass on\nTry again... | Exclamation | Ok)";

// The boxes named in keys (", " between them); a key that names no box is a log line.
QStringList told(const QString& keys) {
    QHash<QString, QString> boxes;
    for (const QString& line : QString(kBoxes).replace("\\r"_L1, "\r"_L1).split(u'\n'))
        boxes.insert(line.section(u'|', 0, 0), line.section(u'|', 1).replace("\\n"_L1, "\n"_L1));
    QStringList lines;
    for (const QString& key : keys.split(", "_L1, Qt::SkipEmptyParts))
        lines << boxes.value(key.section(u' ', 0, 0), key).replace(u'%', key.section(u' ', 1));
    return lines;
}

// The program started with a settings file, its Messages page at hand.
struct Messages {
    explicit Messages(const QByteArray& settings, bool connect) {
        h.writeSettings(settings);
        if (connect)
            h.connectDirect();
        h.startup();
    }
    bool on(const QString& name) const { return h.find<QWidget>(name)->isEnabled(); }
    // The commands received since the last call: a broadcast as its text, others in <>.
    QString fresh() {
        QStringList got;
        for (const QStringList all = h.commands(); seen < all.size(); ++seen)
            got << (all[seen].startsWith(sayCommand({})) ? all[seen].mid(sayCommand({}).size())
                                                         : "<" + all[seen] + ">");
        return got.join(" + "_L1).replace("127.0.0.1:" + QString::number(h.sim.port()), "ip:port");
    }
    // A minute (counted here from now on, not by the timer): what it sent, "-" for nothing.
    QString tick() {
        if (timer->isActive())
            timer->start(3600 * 1000);
        page->cyclerTick();
        const QString sent = h.settle() ? fresh() : u"unsettled"_s;
        return sent.isEmpty() ? u"-"_s : sent;
    }

    Harness h;
    MessagesPage* page = h.main->pages().messages;
    QComboBox* combo = h.find<QComboBox>("commessset");
    QListWidget* list = h.find<QListWidget>("lstmess");
    QLineEdit* text = h.find<QLineEdit>("txtmess");
    QTimer* timer = h.main->findChild<QTimer*>("tmrmessage");
    qsizetype seen = 0;
    QStringList trace; // what the steps sent, and the progress texts seen
};

// One operator step; walk_data() tells what each does.
void runStep(Messages& p, const QString& verb, const QString& arg) {
    Harness& h = p.h;
    if (verb == "choose"_L1 || verb == "name"_L1) {
        p.combo->setEditText(arg);
        if (verb == "choose"_L1)
            p.page->setChosen();
    } else if (verb == "pick"_L1) {
        p.combo->setCurrentIndex(arg.toInt());
        emit p.combo->activated(arg.toInt());
    } else if (verb == "type"_L1 || verb == "leave"_L1) {
        if (verb == "type"_L1)
            p.text->setText(arg);
        p.page->messageEdited();
    } else if (verb == "select"_L1 || verb == "edit"_L1) {
        p.list->clearSelection();
        p.list->setCurrentRow(arg.toInt());
        if (verb == "edit"_L1)
            emit p.list->itemDoubleClicked(p.list->currentItem());
    } else if (verb == "click"_L1) {
        h.find<QAbstractButton>(arg)->click();
    } else if (verb == "answer"_L1) {
        h.dialogs.setNextAnswer(arg == "No"_L1 ? Dialogs::Answer::No : Dialogs::Answer::Cancel);
    } else if (verb == "unwritable"_L1) {
        // A file where the folder would be: the folder cannot be made.
        QFile(h.path("gone")).open(QIODevice::WriteOnly);
        h.main->settings().setPath(h.path("gone/vostrel.ini"));
    } else if (verb == "reload"_L1) {
        p.page->loadSets();
    } else if (verb == "exit"_L1) {
        h.main->close();
    } else if (verb == "tick"_L1) {
        for (int i = 0; i < arg.toInt(); ++i)
            p.trace << p.tick();
    } else if (verb == "minute"_L1) {
        Harness::pause(70);
    } else if (verb == "interval"_L1 || verb == "set"_L1) {
        h.find<QLineEdit>("txtinterval")->selectAll();
        QTest::keyClicks(h.find<QLineEdit>("txtinterval"), arg);
        if (verb == "interval"_L1)
            p.page->intervalEdited();
    } else if (verb == "offline"_L1) {
        h.main->session().setConnection(ConnectionState::Disconnected);
    } else if (verb == "minimise"_L1 || verb == "restore"_L1) {
        h.main->setWindowState(verb == "restore"_L1 ? Qt::WindowNoState : Qt::WindowMinimized);
    } else if (verb == "progress"_L1) {
        h.dialogs.setWhileNextShown([&p] {
            p.h.dialogs.setWhileNextShown([&p] { p.trace << p.h.main->progressNotice()->text(); });
        });
    } else if (verb == "cvar"_L1) {
        const QString name = arg.section(u' ', 0, 0), value = arg.section(u' ', 1);
        value.isEmpty() ? h.sim.removeCvar(name) : h.sim.setCvar(name, value);
    } else if (verb == "connect"_L1) {
        h.connectDirect();
    } else {
        QFAIL(qPrintable("unknown step " + verb));
    }
}

} // namespace

class TestMessagesPage : public QObject {
    Q_OBJECT
private slots:
    void walk_data();
    void walk();
    void oneBroadcastAtATime();
    void oneOffMessage();
};

void TestMessagesPage::walk_data() {
    QTest::addColumn<QByteArray>("settings");
    // Steps: choose/name a set (leaving the box or not), pick an entry, type (and leave),
    // leave, select or edit (double-click) a message, click, answer the next box, make the
    // settings file unwritable, reload, exit; tick n minutes, wait the timer's minute, type an
    // interval and leave (or only set it), go offline, minimise, restore; progress: the text
    // while the second box from here is up; cvar on the server; connect (first: at start-up).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("after");     // "<set entries>: <messages listed>"
    QTest::addColumn<QString>("state");     // P: Save and Discard enabled, R: cycler running
    QTest::addColumn<QStringList>("shown"); // the boxes, then the log lines
    QTest::addColumn<QString>("trace");     // what the steps sent, and the progress texts
    const auto row = [](const char* name, const QByteArray& settings, const QString& steps,
                        const QString& after, const QString& state, const QString& shown = {},
                        const QString& trace = {}) {
        QTest::newRow(name) << settings << steps << after << state << told(shown) << trace;
    };
    const QString abc = "Alpha,Bravo,Charlie: ";
    QByteArray eleven;
    for (int i = 0; i < 11; ++i)
        eleven += setSection(i, "S" + QByteArray::number(i), {"m"});

    row("stops at a gap; any letter case; long texts cut to 199",
        "[SET0]\nNAME=" + QByteArray(250, 'n') + "\nMESS0=" + QByteArray(300, 'm') +
            "\nmess2=three\n[set2]\nname=Third\nmess0=x\n",
        {}, QString(199, u'n') + ": " + QString(199, u'm'), {});
    row("ten sets read, the eleventh refused; double-click and leave unchanged", eleven,
        "choose Eleventh, edit 0, leave", "S0,S1,S2,S3,S4,S5,S6,S7,S8,S9: m", {}, "full");
    row("new set cancelled, then accepted: last, empty, unsaved", kThreeSets,
        "answer Cancel, choose Delta, choose Delta", "Alpha,Bravo,Charlie,Delta: ", "P",
        "new, new");
    row("add, then edit in place", kThreeSets,
        "choose Bravo, type   b2 with blanks  , edit 0, type b1!", abc + "b1!,b2 with blanks", "P");
    row("no set: nothing to delete, a message kept for the next set", {},
        "click cmdsetdel, type orphan, choose Fresh, leave", "Fresh: orphan", "P",
        "noset, noset, new");
    row("delete the middle message, move the last up, save, read back", kThreeSets,
        "select 1, click imgdel, select 1, click imgup, click cmdsetsave, reload", abc + "a3,a1",
        {}, "save");
    row("moves follow the selection and stop at the ends, a delete drops it", kThreeSets,
        "select -1, click imgup, click imgdel, select 2, click imgdown, select 0, click imgup, "
        "click imgdown, click imgdown, click imgdown, click imgdel, click imgdel",
        abc + "a2,a3", "P");
    row("delete: the last offered for no name; the second of three saved, read back", kThreeSets,
        "name nobody, answer Cancel, click cmdsetdel, choose Bravo, click cmdsetdel, "
        "click cmdsetsave, reload",
        "Alpha,Charlie: a1,a2,a3", {},
        "delete Charlie, delete Bravo, save, Set named Bravo removed.");
    row("an empty set and a text as typed are saved and read back", kThreeSets,
        "choose Quiet, pick 0, type ^1x = y ;z [s], click cmdsetsave, reload",
        "Alpha,Bravo,Charlie,Quiet: a1,a2,a3,^1x = y ;z [s]", {}, "new, save");
    row("save cancelled offers the discard: refused, then discarded", kThreeSets,
        "choose Extra, choose Alpha, type a4, answer Cancel, answer No, click cmdsetsave, "
        "click cmdsetdis",
        abc + "a1,a2,a3", {}, "new, save, discard, discard, discarded");
    row("a failed write keeps the edits pending", kThreeSets,
        "type a4, choose Bravo, click cmdsetdel, unwritable, click cmdsetsave, exit",
        "Alpha,Charlie: a1,a2,a3,a4", "P",
        "delete Bravo, save, failed, unsaved, Set named Bravo removed.");
    row("start refused: not connected, question cancelled, pending edits", kThreeSets,
        "click cmdmessstart, connect, answer Cancel, click cmdmessstart, type a4, "
        "click cmdmessstart",
        abc + "a1,a2,a3,a4", "P", "offline, start Alpha, pending");
    row("start refused: set without messages", setSection(0, "Empty", {}),
        "connect, click cmdmessstart", "Empty: ", {}, "start Empty, empty");

    row("the cycle: every third minute, on across a stop and another set", kCycleSets,
        "connect, click cmdmessstart, minute, tick 6, click cmdmessstop, choose Pair, "
        "click cmdmessstart, tick 3, click cmdmessstop, name Nobody, click cmdmessstart, tick 3",
        "Three,Pair: p1,p2", "R", "start Three, start Pair, start Nobody",
        "one, -, -, two, -, -, three, -, -, p1, -, -, p2");
    row("intervals: refused entries keep 3, a new one counts again", kCycleSets,
        "connect, click cmdmessstart, tick 2, interval 0, interval 11, interval abc, interval 0.5, "
        "interval 99999, tick 2, interval 4.6, tick 7, set 2, tick 3",
        "Three,Pair: one,two,three", "R", "start Three, range, range, number, range, range",
        "one, -, -, two, three, -, -, -, -, one, -, two, -, three");
    row("saving stops the cycler", kCycleSets,
        "connect, interval 1, click cmdmessstart, type four, progress, click cmdsetsave",
        "Three,Pair: one,two,three,four", "", "start Three, save", "");
    // A disconnect stops the cycler, so the save has none to stop.
    row("not connected: a box unless minimised; a disconnect stops the cycler", kCycleSets,
        "connect, interval 1, click cmdmessstart, offline, tick 1, minimise, tick 1, restore, "
        "type four, unwritable, progress, click cmdsetsave",
        "Three,Pair: one,two,three,four", "P", "start Three, offline, save, failed",
        "-, -, \r\nWriting changes to INI file");
    const QByteArray automatic = kCycleSets + "[options]\nautomessage=1\nmessageset=";
    row("automatic start: second set, interval 2", automatic + "2\nmessagetime=2\n",
        "connect, tick 3", "Three,Pair: p1,p2", "R", {}, "p1, -, p2");
    row("automatic start: no such set, the first", automatic + "7\nmessagetime=4\n",
        "connect, tick 5", "Three,Pair: one,two,three", "R", {}, "one, -, -, -, two");
    row("automatic start: not connected, silently not started", automatic + "1\nmessagetime=3\n",
        {}, "Three,Pair: one,two,three", {});

    // The placeholders: the server name and friendly-fire mode each read before the say.
    const auto say = [&row](const char* name, const QByteArray& message, const QString& hostname,
                            const QString& ff, const QString& trace) {
        row(name, setSection(0, "Info", {message}),
            "connect, cvar sv_hostname " + hostname + ", cvar setfriendlyfire " + ff +
                ", click cmdmessstart, tick 1",
            QString::fromLatin1("Info: " + message), "R", "start Info", trace);
    };
    const QString sn = "<cvarlist sv_hostname> + ", ff = "<cvarlist setfriendlyfire> + ";
    say("no placeholder: nothing asked", "Plain", "Sim", "2", "Plain");
    say("only the first, any case", "At %ip% or %IP%", "Sim", "2", "At ip:port or %IP%");
    say("all three, asked in their order", "%ff% on %Sn% at %IP% %SN%", "Sim", "0",
        sn + ff + "Off on Sim at ip:port %SN%");
    say("a token split by another stays", "%I%SN%P%", "Sim", "2", sn + "%ISimP%");
    say("a value is never searched", "Welcome to %SN%", "Clan 100%FF% server", "1",
        sn + "Welcome to Clan 100%FF% server");
    const QString words[] = {"On", "Reflective", "Shared", "", "", ""};
    const QString values[] = {"1", "2", "3", "4", "on", ""};
    for (int i = 0; i < 6; ++i)
        say(qPrintable("friendly fire '" + values[i] + "'"), "FF %FF%.", "Sim", values[i],
            ff + "FF " + words[i] + ".");
}

void TestMessagesPage::walk() {
    QFETCH(QByteArray, settings);
    QFETCH(QString, steps);
    Messages p(settings, steps.startsWith("connect"_L1));
    for (const QString& step : steps.split(", "_L1, Qt::SkipEmptyParts)) {
        runStep(p, step.section(u' ', 0, 0), step.section(u' ', 1));
        if (QTest::currentTestFailed())
            return;
        QVERIFY(p.h.settle());
        if (const QString sent = p.fresh(); !sent.isEmpty())
            p.trace << sent;
    }
    QStringList sets, rows;
    for (int i = 0; i < p.combo->count(); ++i)
        sets << p.combo->itemText(i);
    for (int i = 0; i < p.list->count(); ++i)
        rows << p.list->item(i)->text();
    QTEST(QString(sets.join(u',') + ": " + rows.join(u',')), "after");
    QCOMPARE(p.h.find<QLineEdit>("txtfreesets")->text(), QString::number(10 - sets.size()));
    QVERIFY(p.on("cmdsetdis") == p.on("cmdsetsave") && p.on("cmdmessstart") != p.on("cmdmessstop"));
    QTEST(QString(p.on("cmdsetsave") ? "P" : "").append(p.on("cmdmessstop") ? "R" : ""), "state");
    QTEST(boxesShown(p.h) + p.h.messageLog(), "shown");
    QTEST(p.trace.join(", "_L1), "trace");
    QCOMPARE(p.text->text(), QString());
    QVERIFY(p.h.main->progressNotice()->isHidden());
    // Broadcasts are echoed in the pane; the listings' replies show there without an echo.
    QCOMPARE(p.h.rconText().count(">>RCON sent"_L1), p.h.commands().filter(u"say ").size());
    QCOMPARE(p.h.rconText().count(" total cvars"_L1), p.h.commands().filter(u"cvarlist ").size());
    verifyPaced(p.h);
}

void TestMessagesPage::oneBroadcastAtATime() {
    Messages c(kCycleSets + setSection(2, "Named", {"at %SN%"}), true);
    runStep(c, "interval", "1");
    QVERIFY(c.h.click("cmdmessstart"));
    // Its broadcast unanswered, five times: the ticks meanwhile queue nothing of their own.
    c.h.sim.dropNextReplies(5);
    c.page->cyclerTick();
    for (int i = 0; i < 4; ++i) {
        Harness::pause(1);
        c.page->cyclerTick();
    }
    QVERIFY(c.h.settle());
    QCOMPARE(boxesShown(c.h), told("start Three, noreply"));
    // The next tick goes on with the next message.
    QCOMPARE(c.tick(), QStringList(5, "one").join(" + "_L1) + " + two");
    // Nor while its listing waits; a message sent from the window meanwhile does not hold it
    // back (it goes first, as it was asked for first).
    runStep(c, "choose", "Named");
    QVERIFY(c.h.click("cmdmessstop") && c.h.click("cmdmessstart"));
    c.h.main->widgets().txtprefix->setText("Admin");
    c.h.dialogs.setNextInput("hi");
    c.h.find<QAbstractButton>("cmdmessage")->click();
    c.page->cyclerTick();
    QCOMPARE(c.tick(), "Admin hi + <cvarlist sv_hostname> + at " + c.h.sim.cvar("sv_hostname"));
}

void TestMessagesPage::oneOffMessage() {
    Messages c({}, true);
    c.h.main->widgets().txtprefix->setText("Admin");
    c.h.dialogs.setNextInput(QString());
    QVERIFY(c.h.click("cmdmessage"));
    // Sent once: a lost reply is neither sent again nor boxed, and the log says no answer came.
    c.h.sim.dropNextReplies(1);
    c.h.dialogs.setNextInput("hi");
    QVERIFY(c.h.click("cmdmessage"));
    QCOMPARE(c.fresh(), u"Admin hi"_s);
    QCOMPARE(c.h.messageLog(), QStringList{"Message to server>> Admin hi: no answer from the "
                                           "server (it may have been applied)"});
    const ScriptedDialogs::Shown input = c.h.dialogs.shown().at(1);
    QCOMPARE(input.title + " | " + input.text + " | " + input.defaultText,
             u"Server Message | Type message to send to server | Welcome to our server, enjoy "
             "your stay"_s);
}

QTEST_MAIN(TestMessagesPage)
#include "tst_messagespage.moc"
