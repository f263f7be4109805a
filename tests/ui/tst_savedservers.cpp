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

void fill(Harness& h, const QString& server, const QString& port, const QString& password) {
    const MainWidgets& w = h.main->widgets();
    w.comserver->setEditText(server);
    w.comport->setEditText(port);
    w.txtPWD->setText(password);
}

void trigger(Harness& h, const char* menuItem) {
    QAction* action = h.main->findChild<QAction*>(QLatin1String(menuItem));
    QVERIFY2(action, menuItem);
    action->trigger();
}

QStringList texts(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QStringList texts(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Entries and passwords side by side: "entry=password".
QStringList savedList(Harness& h) {
    const QStringList entries = texts(h.main->widgets().lstservers);
    const QStringList passwords = texts(h.main->widgets().lstrcon);
    QStringList pairs;
    for (int i = 0; i < qMax(entries.size(), passwords.size()); ++i)
        pairs << entries.value(i, QStringLiteral("?")) + u'=' +
                     passwords.value(i, QStringLiteral("?"));
    return pairs;
}

void preload(Harness& h, const QStringList& pairs) {
    for (const QString& pair : pairs) {
        h.main->widgets().lstservers->addItem(pair.section(u'=', 0, 0));
        h.main->widgets().lstrcon->addItem(pair.section(u'=', 1));
    }
    h.main->session().state().servercount = qint32(pairs.size());
}

void leave(QWidget* box, Qt::FocusReason reason = Qt::TabFocusReason) {
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(box, &out);
}

} // namespace

class TestSavedServers : public QObject {
    Q_OBJECT
private slots:
    void add_data();
    void add();
    void remove_data();
    void remove();
    void removeThenExitWritesTheRest();
    void select_data();
    void select();
    void selectWhileConnected();
    void typedValuesRemembered();
};

void TestSavedServers::add_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("incomplete");

    const QStringList before{"10.0.0.12:28960=a"};
    const auto row = [](const char* name, const char* server, const char* port,
                        const char* password, const QStringList& after, bool incomplete) {
        QTest::newRow(name) << QString::fromLatin1(server) << QString::fromLatin1(port)
                            << QString::fromLatin1(password) << after << incomplete;
    };
    row("new server", "cod.example.net", "28961", "pw",
        before + QStringList{"cod.example.net:28961=pw"}, false);
    // The duplicate test looks for the address anywhere in an entry.
    row("same address, other port", "10.0.0.12", "28961", "pw", before, false);
    row("part of a longer saved address", "10.0.0.1", "28960", "pw", before, false);
    row("no address", "", "28960", "pw", before, true);
    row("no port", "10.0.0.1", "", "pw", before, true);
    row("no password", "10.0.0.1", "28960", "", before, true);
}

void TestSavedServers::add() {
    QFETCH(QString, server);
    QFETCH(QString, port);
    QFETCH(QString, password);
    QFETCH(QStringList, after);
    QFETCH(bool, incomplete);

    Harness h;
    preload(h, {QStringLiteral("10.0.0.12:28960=a")});
    fill(h, server, port, password);
    trigger(h, "Saveserver");
    QCOMPARE(savedList(h), after);
    QCOMPARE(h.main->session().state().servercount, qint32(after.size()));
    if (!incomplete) {
        QVERIFY(h.dialogs.shown().isEmpty());
        return;
    }
    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().first().text,
             QStringLiteral("Need a Server, Port and password to be present to save"));
    QCOMPARE(h.dialogs.messages().first().title, QStringLiteral("In complete details"));
    QCOMPARE(h.dialogs.messages().first().icon, Dialogs::Icon::Exclamation);
}

void TestSavedServers::remove_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("after");

    const QStringList list{"x.net:9=p0", "a.net:1=p1", "A.NET:1=p2", "b.net:2=p3", "a.net:1=p4"};
    QTest::newRow("every match, also next to each other")
        << QStringLiteral("a.net") << QStringLiteral("1")
        << QStringList{"x.net:9=p0", "b.net:2=p3"};
    QTest::newRow("other port stays") << QStringLiteral("x.net") << QStringLiteral("8") << list;
    QTest::newRow("no port: nothing") << QStringLiteral("a.net") << QString() << list;
}

void TestSavedServers::remove() {
    QFETCH(QString, server);
    QFETCH(QString, port);
    QFETCH(QStringList, after);

    Harness h;
    preload(h, {"x.net:9=p0", "a.net:1=p1", "A.NET:1=p2", "b.net:2=p3", "a.net:1=p4"});
    fill(h, server, port, QString());
    trigger(h, "removeserver");
    QCOMPARE(savedList(h), after);
    // The count still covers the removed ones, so exit can blank their keys.
    QCOMPARE(h.main->session().state().servercount, 5);
    QVERIFY(h.dialogs.shown().isEmpty());
    QCOMPARE(h.main->widgets().comserver->currentText(), server);
}

void TestSavedServers::removeThenExitWritesTheRest() {
    Harness h;
    h.writeSettings("[servers]\r\nserver1=a.net\r\nserver2=b.net\r\nserver3=c.net\r\n"
                    "[ports]\r\nport1=1\r\nport2=2\r\nport3=3\r\n"
                    "[rcon]\r\nrcon1=pa\r\nrcon2=pb\r\nrcon3=pc\r\n");
    h.startup();
    h.main->widgets().lstservers->setCurrentRow(1);
    QCOMPARE(h.main->widgets().txtPWD->text(), QStringLiteral("pb"));
    trigger(h, "removeserver");
    fill(h, QStringLiteral("2001:db8::5"), QStringLiteral("28960"), QStringLiteral("pv6"));
    trigger(h, "Saveserver");
    QCOMPARE(savedList(h), (QStringList{"a.net:1=pa", "c.net:3=pc", "2001:db8::5:28960=pv6"}));
    QCOMPARE(h.main->session().state().servercount, 4);
    h.main->close();

    const ProfileFile ini(h.path(QStringLiteral("vostrel.ini")));
    const auto key = [&ini](const char* section, const char* name) {
        return ini.read(QLatin1String(section), QLatin1String(name));
    };
    QCOMPARE(key("servers", "server2"), QStringLiteral("c.net"));
    QCOMPARE(key("rcon", "rcon2"), QStringLiteral("pc"));
    QCOMPARE(key("servers", "server3"), QStringLiteral("2001:db8::5"));
    QCOMPARE(key("ports", "port3"), QStringLiteral("28960"));
    QCOMPARE(key("rcon", "rcon3"), QStringLiteral("pv6"));
    QCOMPARE(key("servers", "server4"), QString());
}

void TestSavedServers::select_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");

    QTest::newRow("dotted address") << QStringLiteral("192.168.0.5:28961")
                                    << QStringLiteral("192.168.0.5") << QStringLiteral("28961");
    QTest::newRow("IPv6 address") << QStringLiteral("2001:db8::7:28962")
                                  << QStringLiteral("2001:db8::7") << QStringLiteral("28962");
}

void TestSavedServers::select() {
    QFETCH(QString, entry);
    QFETCH(QString, server);
    QFETCH(QString, port);

    Harness h;
    preload(h, {QStringLiteral("first.net:1=p0"), entry + QStringLiteral("=p1")});
    QListWidget* list = h.main->widgets().lstservers;
    const QRect where = list->visualItemRect(list->item(1));
    list->show();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where.center());
    QCOMPARE(h.main->widgets().comserver->currentText(), server);
    QCOMPARE(h.main->widgets().comport->currentText(), port);
    QCOMPARE(h.main->widgets().txtPWD->text(), QStringLiteral("p1"));

    // The keyboard picks too.
    list->setCurrentRow(0);
    QCOMPARE(h.main->widgets().comserver->currentText(), QStringLiteral("first.net"));
    QCOMPARE(h.main->widgets().txtPWD->text(), QStringLiteral("p0"));
}

void TestSavedServers::selectWhileConnected() {
    Harness h;
    preload(h, {QStringLiteral("127.0.0.1:") + QString::number(h.sim.port()) +
                QStringLiteral("=other")});
    const MainWidgets& w = h.main->widgets();
    fill(h, QStringLiteral("127.0.0.1"), QString::number(h.sim.port()),
         h.sim.cvar(QStringLiteral("rconpassword")));
    h.find<QPushButton>(QStringLiteral("cmdconnect"))->click();
    QCOMPARE(w.cmdconnect->text(), QStringLiteral("Disconnect"));
    h.sim.clearReceived();

    w.lstservers->setCurrentRow(0);
    QCOMPARE(w.txtPWD->text(), QStringLiteral("other"));
    QVERIFY(w.txtPWD->isReadOnly()); // still locked against typing

    // Later commands carry the password now in the box.
    h.sim.dropNextReplies(5);
    h.find<QPushButton>(QStringLiteral("cmdstatus"))->click();
    QCOMPARE(h.sim.received().value(0), QByteArray(4, '\xff') + "rcon other Status");
}

void TestSavedServers::typedValuesRemembered() {
    Harness h;
    const MainWidgets& w = h.main->widgets();
    w.comport->setEditText(QStringLiteral("28961"));
    leave(w.comport);
    leave(w.comport);
    w.comport->setEditText(QStringLiteral("28962"));
    leave(w.comport);
    QCOMPARE(texts(w.comport), (QStringList{"28961", "28962"}));
    QCOMPARE(w.comport->currentText(), QStringLiteral("28962"));

    w.comserver->setEditText(QStringLiteral("cod.example.net"));
    leave(w.comserver, Qt::PopupFocusReason); // opening its own list is not leaving it
    QCOMPARE(texts(w.comserver), QStringList());
    leave(w.comserver);
    w.comserver->setEditText(QStringLiteral("COD.example.net"));
    leave(w.comserver);
    w.comserver->setEditText(QString());
    leave(w.comserver);
    QCOMPARE(texts(w.comserver), (QStringList{"cod.example.net", "COD.example.net"}));
}

QTEST_MAIN(TestSavedServers)
#include "tst_savedservers.moc"
