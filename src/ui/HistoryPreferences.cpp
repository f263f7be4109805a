#include "HistoryPreferences.h"

#include "ui/WidgetNaming.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

HistoryPreferences::HistoryPreferences(QWidget* parent)
    : QGroupBox(tr("History of players and actions"), parent) {
    setObjectName(QStringLiteral("frmhistory"));
    m_store = new QComboBox(this);
    m_store->setObjectName(QStringLiteral("cmbhistorystore"));
    // In the order of HistorySettings::Store.
    m_store->addItems({tr("A file on this computer (SQLite)"),
                       tr("A PostgreSQL server the team shares"), tr("Nowhere (history off)")});
    m_host = new QLineEdit(this);
    m_host->setObjectName(QStringLiteral("txthistoryhost"));
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("txthistoryport"));
    m_port->setRange(1, 65535);
    m_port->setValue(5432);
    m_database = new QLineEdit(this);
    m_database->setObjectName(QStringLiteral("txthistorydb"));
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("txthistoryuser"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("txthistorypass"));
    m_password->setEchoMode(QLineEdit::Password);

    auto* grid = new QGridLayout(this);
    grid->addWidget(labelFor(tr("&Keep history in"), m_store, this), 0, 0);
    grid->addWidget(m_store, 0, 1, 1, 3);
    grid->addWidget(labelFor(tr("H&ost"), m_host, this), 1, 0);
    grid->addWidget(m_host, 1, 1);
    grid->addWidget(labelFor(tr("&Port"), m_port, this), 1, 2);
    grid->addWidget(m_port, 1, 3);
    grid->addWidget(labelFor(tr("&Database"), m_database, this), 2, 0);
    grid->addWidget(m_database, 2, 1);
    grid->addWidget(labelFor(tr("&User"), m_user, this), 2, 2);
    grid->addWidget(m_user, 2, 3);
    grid->addWidget(labelFor(tr("Pass&word"), m_password, this), 3, 0);
    grid->addWidget(m_password, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    const auto changed = [this] {
        if (!m_filling)
            m_changed = true;
        updateFields();
    };
    connect(m_store, &QComboBox::currentIndexChanged, this, changed);
    for (QLineEdit* field : {m_host, m_database, m_user, m_password})
        connect(field, &QLineEdit::textChanged, this, changed);
    connect(m_port, &QSpinBox::valueChanged, this, changed);
    updateFields();
}

void HistoryPreferences::fill(const HistorySettings& settings) {
    m_filling = true;
    m_store->setCurrentIndex(int(settings.store));
    m_host->setText(settings.host);
    m_port->setValue(settings.port);
    m_database->setText(settings.database);
    m_user->setText(settings.user);
    m_password->setText(settings.password);
    m_filling = false;
    m_changed = false;
    updateFields();
}

HistorySettings HistoryPreferences::settings() const {
    HistorySettings settings;
    settings.store = HistorySettings::Store(m_store->currentIndex());
    settings.host = m_host->text().trimmed();
    settings.port = m_port->value();
    settings.database = m_database->text().trimmed();
    settings.user = m_user->text().trimmed();
    settings.password = m_password->text();
    return settings;
}

QString HistoryPreferences::incompleteText() const {
    const HistorySettings chosen = settings();
    if (chosen.store != HistorySettings::Store::Postgres)
        return {};
    if (chosen.host.isEmpty() || chosen.database.isEmpty())
        return tr("A PostgreSQL server needs its host and the name of its database.");
    return {};
}

void HistoryPreferences::updateFields() {
    const bool server = m_store->currentIndex() == int(HistorySettings::Store::Postgres);
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_host, m_port, m_database, m_user, m_password})
        field->setEnabled(server);
}
