#include "FleetSendBar.h"

#include "WidgetNaming.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

FleetSendBar::FleetSendBar(QWidget* parent) : QGroupBox(tr("To the ticked servers"), parent) {
    setObjectName(QStringLiteral("fleetsend"));
    auto* layout = new QVBoxLayout(this);
    m_line = named(new QLineEdit(this), "txtfleet");
    m_line->setPlaceholderText(tr("console line or message"));
    layout->addWidget(labelFor(tr("Li&ne or message"), m_line, this));
    layout->addWidget(m_line);
    // Two rows, so that the side column stays narrow on a small screen.
    auto* buttons = new QGridLayout;
    m_send = named(new QPushButton(tr("Sen&d line"), this), "cmdfleetsend");
    m_say = named(new QPushButton(tr("Sa&y"), this), "cmdfleetsay");
    m_restart = named(new QPushButton(tr("Restar&t map"), this), "cmdfleetrestart");
    buttons->addWidget(m_send, 0, 0);
    buttons->addWidget(m_say, 0, 1);
    buttons->addWidget(m_restart, 1, 0, 1, 2);
    layout->addLayout(buttons);
    m_log = named(new QListWidget(this), "lstfleetlog");
    m_log->setAccessibleName(tr("Outcomes on the ticked servers"));
    m_log->setMinimumHeight(2 * fontMetrics().height());
    layout->addWidget(m_log, 1);

    const auto request = [this](fleetplans::Kind kind) {
        if (kind != fleetplans::Kind::MapRestart && m_line->text().trimmed().isEmpty())
            return;
        emit sendRequested(kind, m_line->text().trimmed());
    };
    connect(m_send, &QPushButton::clicked, this,
            [request] { request(fleetplans::Kind::ConsoleLine); });
    connect(m_say, &QPushButton::clicked, this, [request] { request(fleetplans::Kind::Message); });
    connect(m_restart, &QPushButton::clicked, this,
            [request] { request(fleetplans::Kind::MapRestart); });
    setTicked(0);
}

QString FleetSendBar::text() const {
    return m_line->text();
}

void FleetSendBar::addOutcome(const QString& line) {
    m_log->insertItem(
        0, tr("Time: %1 %2").arg(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")), line));
}

void FleetSendBar::setTicked(int count) {
    for (QPushButton* button : {m_send, m_say, m_restart})
        button->setEnabled(count > 0);
    setTitle(count == 1  ? tr("To the ticked server")
             : count > 1 ? tr("To the %1 ticked servers").arg(count)
                         : tr("To the ticked servers"));
}
