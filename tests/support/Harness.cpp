#include "Harness.h"

#include "Settle.h"

#include "base/WaitClock.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

Harness::Harness(bool startSimulatedServer) : m_previousDir(QDir::currentPath()) {
    WaitClock::instance().setSecondMs(kSecondMs);
    QDir::setCurrent(m_dir.path());
    if (startSimulatedServer) {
        sim.setRateLimitMs(0);
        sim.setMaxPrintBytes(0);
        if (!sim.start())
            qFatal("the simulated server did not start");
    }
    main = std::make_unique<Main>(
        dialogs, FileLocations{m_dir.filePath(QStringLiteral("vostrel.ini")), m_dir.path()});
}

Harness::~Harness() {
    main.reset();
    QDir::setCurrent(m_previousDir);
}

void Harness::writeSettings(const QByteArray& text) const {
    QFile file(path(QStringLiteral("vostrel.ini")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the settings file");
}

void Harness::connectDirect() {
    const MainWidgets& w = main->widgets();
    w.comserver->setEditText(QStringLiteral("127.0.0.1"));
    w.comport->setEditText(QString::number(sim.port()));
    w.txtPWD->setText(sim.cvar(QStringLiteral("rconpassword")));
    if (!main->session().client().open(QHostAddress::LocalHost, sim.port()))
        qFatal("cannot open the client");
    main->session().setServerName(QStringLiteral("127.0.0.1:") + QString::number(sim.port()));
    main->session().setConnection(ConnectionState::Connected);
    w.cmdconnect->setText(QStringLiteral("Disconnect"));
}

bool Harness::settle(double seconds) {
    return waitUntilIdle(main->session().client(), seconds);
}

bool Harness::click(const QString& name) {
    auto* button = main->findChild<QAbstractButton*>(name);
    if (!button)
        qFatal("no button %s", qPrintable(name));
    button->click();
    return settle();
}

QString Harness::rconText() const {
    return main->widgets().txtoutput->toPlainText();
}

QStringList Harness::messageLog() const {
    QStringList lines;
    const QListWidget* log = main->widgets().lstmessages;
    for (int i = 0; i < log->count(); ++i)
        lines << log->item(i)->text().mid(int(qstrlen("Time: hh:mm:ss ")));
    return lines;
}

void Harness::pause(double seconds) {
    QTest::qWait(int(WaitClock::instance().toMs(seconds)));
}
