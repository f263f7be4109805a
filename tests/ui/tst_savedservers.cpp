#include "support/Harness.h"

#include "settings/ProfileFile.h"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// Runs a menu item, after filling address, port and password when they are given.
void menu(Harness& h, const char* item, const QStringList& fields = {}) {
    const MainWidgets& w = h.main->widgets();
    if (!fields.isEmpty()) {
        w.comserver->setEditText(fields[0]);
        w.comport->setEditText(fields[1]);
        w.txtPWD->setText(fields.value(2));
    }
    QAction* action = h.main->findChild<QAction*>(QLatin1String(item));
    QVERIFY2(action, item);
    action->trigger();
}

QString fields(Harness& h) {
    const MainWidgets& w = h.main->widgets();
    return w.comserver->currentText() + u' ' + w.comport->currentText() + u' ' + w.txtPWD->text();
}

QStringList texts(const QAbstractItemModel* model) {
    QStringList items;
    for (int i = 0; i < model->rowCount(); ++i)
        items << model->index(i, 0).data().toString();
    return items;
}

// The saved list as "entry=password".
QStringList savedList(Harness& h) {
    const QStringList entries = texts(h.main->widgets().lstservers->model());
    const QStringList passwords = texts(h.main->widgets().lstrcon->model());
    QStringList pairs;
    for (int i = 0; i < qMax(entries.size(), passwords.size()); ++i)
        pairs << entries.value(i) + u'=' + passwords.value(i);
    return pairs;
}

void leave(QWidget* box, Qt::FocusReason reason = Qt::TabFocusReason) {
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(box, &out);
}

} // namespace

class TestSavedServers : public QObject {
    Q_OBJECT
private slots:
    void addRemoveAndExit();
    void select();
    void typedValuesRemembered();
};

void TestSavedServers::addRemoveAndExit() {
    Harness h;
    h.writeSettings(
        "[servers]\r\nserver1=x.net\r\nserver2=a.net\r\nserver3=A.NET\r\nserver4=b.net\r\n"
        "[ports]\r\nport1=9\r\nport2=1\r\nport3=1\r\nport4=2\r\n"
        "[rcon]\r\nrcon1=p0\r\nrcon2=p1\r\nrcon3=p2\r\nrcon4=p3\r\n");
    h.startup();
    const QStringList before{"x.net:9=p0", "a.net:1=p1", "A.NET:1=p2", "b.net:2=p3"};
    QCOMPARE(savedList(h), before);
    // Incomplete fields: the box each time, nothing added.
    for (const QStringList& f : {QStringList{"", "1", "pw"}, {"c.net", "", "pw"}, {"c.net", "1"}})
        menu(h, "Saveserver", f);
    QCOMPARE(h.dialogs.messages().size(), 3);
    QCOMPARE(h.dialogs.messages().first().text,
             QStringLiteral("Need a Server, Port and password to be present to save"));
    QCOMPARE(h.dialogs.messages().first().title, QStringLiteral("In complete details"));
    QCOMPARE(h.dialogs.messages().first().icon, Dialogs::Icon::Exclamation);
    // A saved address with another port counts as saved.
    menu(h, "Saveserver", {"b.net", "3", "pw"});
    QCOMPARE(savedList(h), before);
    menu(h, "Saveserver", {"2001:db8::5", "28960", "pv6"});
    QCOMPARE(savedList(h), before + QStringList{"2001:db8::5:28960=pv6"});

    // Without a port nothing goes; with it every match, also next to each other, silently.
    menu(h, "removeserver", {"a.net", ""});
    QCOMPARE(savedList(h).size(), 5);
    menu(h, "removeserver", {"a.net", "1"});
    QCOMPARE(savedList(h), (QStringList{"x.net:9=p0", "b.net:2=p3", "2001:db8::5:28960=pv6"}));
    QCOMPARE(h.dialogs.messages().size(), 3);

    // The selected server goes with its password; exit writes the rest and blanks the others.
    h.main->widgets().lstservers->setCurrentRow(0);
    menu(h, "removeserver");
    QCOMPARE(h.main->session().state().servercount, 5);
    h.main->close();
    const ProfileFile ini(h.path(QStringLiteral("vostrel.ini")));
    QStringList written;
    for (const char* i : {"1", "2", "3", "4", "5"})
        written << ini.read(QStringLiteral("servers"), QStringLiteral("server") + i) + u':' +
                       ini.read(QStringLiteral("ports"), QStringLiteral("port") + i) + u'=' +
                       ini.read(QStringLiteral("rcon"), QStringLiteral("rcon") + i);
    QCOMPARE(written, (QStringList{"b.net:2=p3", "2001:db8::5:28960=pv6", ":=", ":=", ":="}));
}

void TestSavedServers::select() {
    Harness h;
    menu(h, "Saveserver", {"first.net", "1", "p0"});
    menu(h, "Saveserver", {"192.168.0.5", "28961", "p1"});
    h.connectDirect();
    const MainWidgets& w = h.main->widgets();
    const QRect where = w.lstservers->visualItemRect(w.lstservers->item(1));
    w.lstservers->show();
    QTest::mouseClick(w.lstservers->viewport(), Qt::LeftButton, {}, where.center());
    QCOMPARE(fields(h), QStringLiteral("192.168.0.5 28961 p1"));

    // The keyboard picks too, also while connected; later commands carry the new password.
    w.lstservers->setCurrentRow(0);
    QCOMPARE(fields(h), QStringLiteral("first.net 1 p0"));
    h.find<QPushButton>(QStringLiteral("cmdstatus"))->click();
    QCOMPARE(h.sim.received().value(0), QByteArray(4, '\xff') + "rcon p0 Status");
}

void TestSavedServers::typedValuesRemembered() {
    Harness h;
    const MainWidgets& w = h.main->widgets();
    w.comport->setEditText(QStringLiteral("28961"));
    leave(w.comport);
    leave(w.comport);
    w.comport->setEditText(QStringLiteral("28962"));
    leave(w.comport);
    QCOMPARE(texts(w.comport->model()), (QStringList{"28961", "28962"}));
    QCOMPARE(w.comport->currentText(), QStringLiteral("28962"));

    w.comserver->setEditText(QStringLiteral("cod.example.net"));
    leave(w.comserver, Qt::PopupFocusReason); // opening its own list is not leaving it
    QCOMPARE(texts(w.comserver->model()), QStringList());
    leave(w.comserver);
    for (const QString& text : {QStringLiteral("COD.example.net"), QString()}) {
        w.comserver->setEditText(text);
        leave(w.comserver);
    }
    QCOMPARE(texts(w.comserver->model()), (QStringList{"cod.example.net", "COD.example.net"}));
}

QTEST_MAIN(TestSavedServers)
#include "tst_savedservers.moc"
