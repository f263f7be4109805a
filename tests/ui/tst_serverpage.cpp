#include "support/Harness.h"

#include "ui/BoundControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The "Server" page against the simulated server: read-out over three listings, send of
// changed fields in their two command forms, and the join password.
class TestServerPage : public QObject {
    Q_OBJECT
private slots:
    void populateThenSendTheChanges();
    void votingSendsBothVariablesASecondApart();
    void missingCheckVariableLeavesTheBox();
    void unknownFriendlyFireStopsPopulate();
    void password();
};

namespace {

template <typename T = QLineEdit> T* control(Harness& h, const QString& name) {
    auto* found = h.find<T>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QCheckBox* box(Harness& h, const QString& name) {
    return control<QCheckBox>(h, name);
}

bool marked(QWidget* control) {
    return BoundControl::of(control)->isChanged();
}

void click(Harness& h, const QString& button) {
    h.find<QPushButton>(button)->click();
}

const QStringList kListings{"cvarlist sv_*", "cvarlist scr_*", "cvarlist setf*"};

} // namespace

void TestServerPage::populateThenSendTheChanges() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("sv_maxclients", "20");
    h.sim.setCvar("scr_killcam", "0");
    h.sim.setCvar("scr_teambalance", "2");
    h.sim.setCvar("setfriendlyfire", "3");
    h.sim.removeCvar("sv_maxrate");
    control(h, "txtmaxrate")->setText("9000");

    click(h, "cmdservpop");
    QCOMPARE(h.commands(), kListings);
    QVERIFY(h.dialogs.messages().isEmpty());
    QCOMPARE(control(h, "txtservername")->text(), h.sim.cvar("sv_hostname"));
    QCOMPARE(control(h, "txtmaxclients")->text(), "20");
    QCOMPARE(control(h, "txtmaxrate")->text(), ""); // a missing variable empties a text field
    QCOMPARE(box(h, "chkkillcam")->checkState(), Qt::Unchecked);
    QCOMPARE(box(h, "chkteambal")->checkState(), Qt::PartiallyChecked);
    QVERIFY(control<QRadioButton>(h, "optff_3")->isChecked());
    for (const char* name : {"txtservername", "txtmaxrate", "chkteambal"})
        QVERIFY(!marked(h.find<QWidget>(name)));
    QVERIFY(!h.rconText().contains("sv_hostname"));

    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), kListings);
    QCOMPARE(h.dialogs.messages().at(0).text,
             "Send settings to server?\rOnly changed values will be sent.");

    h.sim.clearReceived();
    QLineEdit* name = control(h, "txtservername");
    name->selectAll();
    QTest::keyClicks(name, "Alpha Server");
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    click(h, "cmdservsetbasics");
    QVERIFY(h.commands().isEmpty() && marked(name));
    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), QStringList{"sv_hostname\"Alpha Server\""});
    QCOMPARE(h.sim.cvar("sv_hostname"), "Alpha Server");
    QCOMPARE(h.messageLog(), QStringList{"Server name updated."});
    QVERIFY(!marked(name));

    h.sim.clearReceived();
    control(h, "txtmaxclients")->clear();
    name->clear();
    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), (QStringList{"sv_hostname\"\"", "sv_maxclients "}));
    QCOMPARE(h.messageLog().mid(0, 2),
             (QStringList{"Maximum clients updated", "Server name updated."}));
}

void TestServerPage::votingSendsBothVariablesASecondApart() {
    Harness h;
    h.connectDirect();
    box(h, "chkvoting")->click();
    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), (QStringList{"scr_allow_vote 1", "g_allowvote 1"}));
    QCOMPARE(h.messageLog(), (QStringList{"Voting updated", "Voting updated"}));
    const QList<qint64> at = h.sim.receivedAtMs();
    QVERIFY2(at.at(1) - at.at(0) >= Harness::kSecondMs * 0.9,
             qPrintable(QString::number(at.at(1) - at.at(0))));
    QVERIFY(!marked(box(h, "chkvoting")));
}

void TestServerPage::missingCheckVariableLeavesTheBox() {
    Harness h;
    h.connectDirect();
    h.sim.removeCvar("scr_killcam");
    box(h, "chkkillcam")->click(); // ticked, marked
    click(h, "cmdservpop");
    QVERIFY(h.dialogs.messages().isEmpty());
    QCOMPARE(box(h, "chkkillcam")->checkState(), Qt::Checked);
    h.sim.clearReceived();
    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), QStringList{"scr_killcam 1"});
}

void TestServerPage::unknownFriendlyFireStopsPopulate() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("setfriendlyfire", "7");
    h.sim.setCvar("scr_teambalance", "0");
    box(h, "chkteambal")->click(); // ticked, marked
    control<QRadioButton>(h, "optff_1")->setChecked(true);

    click(h, "cmdservpop");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Slow Server Response"});
    QCOMPARE(h.dialogs.messages().at(0).text,
             "The server is not responding quickly enough\rTry populate again");
    QCOMPARE(h.commands(), kListings);
    QVERIFY(box(h, "chkteambal")->checkState() == Qt::Unchecked && !marked(box(h, "chkteambal")));
    QVERIFY(control<QRadioButton>(h, "optff_1")->isChecked());
    QVERIFY(!h.main->session().state().busy);
}

void TestServerPage::password() {
    Harness h;
    QLineEdit* password = control(h, "txtservpass");
    password->setText("letmein");
    click(h, "cmdservsetpass"); // refused by the channel: stops before the restart
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Not connected"});
    QVERIFY(!h.main->session().state().nowait);

    h.dialogs.clear();
    h.connectDirect();
    password->clear();
    click(h, "cmdservsetpass");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"No password given"});
    QCOMPARE(h.dialogs.messages().at(0).text, "Use the Remove button to clear the server password");
    QVERIFY(h.commands().isEmpty());

    h.dialogs.clear();
    password->setText("letmein");
    click(h, "cmdservsetpass");
    QCOMPARE(h.commands(), (QStringList{"g_password \"letmein\"", "map_restart"}));
    QCOMPARE(h.sim.cvar("g_password"), "letmein");
    QCOMPARE(h.messageLog(), QStringList{"Server password added"});
    QVERIFY(!h.rconText().contains(">>RCON sent"));
    QVERIFY(!h.main->session().state().nowait);
    QVERIFY(h.dialogs.messages().isEmpty());
    const QList<qint64> at = h.sim.receivedAtMs();
    QVERIFY(at.at(1) - at.at(0) >= Harness::kSecondMs * 2.5);

    h.sim.clearReceived();
    click(h, "cmdservrempass");
    QCOMPARE(h.commands(), QStringList{"g_password \"\""});
    QCOMPARE(h.sim.cvar("g_password"), "");
    QCOMPARE(h.messageLog().at(0), "Server password Removed");
    QCOMPARE(password->text(), "letmein");
}

QTEST_MAIN(TestServerPage)
#include "tst_serverpage.moc"
