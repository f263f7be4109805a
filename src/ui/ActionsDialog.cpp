#include "ActionsDialog.h"

#include "base/Dialogs.h"
#include "history/ActionsCsv.h"
#include "history/HistoryStore.h"
#include "ui/Mnemonics.h"
#include "ui/WidgetNaming.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The kinds as the audit log files them, in the order the filter offers them.
const QStringList kKinds{QStringLiteral("kick"),      QStringLiteral("ban"),
                         QStringLiteral("tempban"),   QStringLiteral("tell"),
                         QStringLiteral("map"),       QStringLiteral("restart"),
                         QStringLiteral("setting"),   QStringLiteral("cfg"),
                         QStringLiteral("broadcast"), QStringLiteral("console")};

// The time choices and how far back each reaches, in seconds (0: any time).
const QList<std::pair<QString, qint64>> kSince{{QStringLiteral("Any time"), 0},
                                               {QStringLiteral("Last hour"), 3600},
                                               {QStringLiteral("Last day"), 86400},
                                               {QStringLiteral("Last week"), 7 * 86400},
                                               {QStringLiteral("Last 30 days"), 30 * 86400}};

} // namespace

ActionsDialog::ActionsDialog(HistoryStore* history, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_history(history), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmactions"));
    setWindowTitle(QStringLiteral("Actions"));
    m_server = new QLineEdit(this);
    m_server->setObjectName(QStringLiteral("txtactionserver"));
    m_server->setPlaceholderText(QStringLiteral("any server (address:port)"));
    m_operator = new QLineEdit(this);
    m_operator->setObjectName(QStringLiteral("txtactionoperator"));
    m_operator->setPlaceholderText(QStringLiteral("any operator"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cmbactionkind"));
    m_kind->addItem(QStringLiteral("Any kind"));
    m_kind->addItems(kKinds);
    m_since = new QComboBox(this);
    m_since->setObjectName(QStringLiteral("cmbactionsince"));
    for (const auto& choice : kSince)
        m_since->addItem(choice.first);
    auto* show = new QPushButton(QStringLiteral("&Show"), this);
    show->setObjectName(QStringLiteral("cmdactionshow"));
    show->setDefault(true);

    m_table = new QTableWidget(0, 8, this);
    m_table->setObjectName(QStringLiteral("lstactions"));
    m_table->setAccessibleName(QStringLiteral("Actions"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Time"), QStringLiteral("Server"),
                                        QStringLiteral("Operator"), QStringLiteral("Kind"),
                                        QStringLiteral("Command"), QStringLiteral("Outcome"),
                                        QStringLiteral("Player"), QStringLiteral("Reason")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lblactions"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton =
        buttons->addButton(QStringLiteral("&Export CSV..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("cmdactionexport"));

    auto* filters = new QGridLayout;
    filters->addWidget(labelFor(QStringLiteral("Server"), m_server, this), 0, 0);
    filters->addWidget(m_server, 0, 1);
    filters->addWidget(labelFor(QStringLiteral("Operator"), m_operator, this), 0, 2);
    filters->addWidget(m_operator, 0, 3);
    filters->addWidget(labelFor(QStringLiteral("Kind"), m_kind, this), 1, 0);
    filters->addWidget(m_kind, 1, 1);
    filters->addWidget(labelFor(QStringLiteral("Time"), m_since, this), 1, 2);
    filters->addWidget(m_since, 1, 3);
    filters->addWidget(show, 1, 4);
    filters->setColumnStretch(1, 1);
    filters->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_state);
    layout->addWidget(buttons);

    connect(show, &QPushButton::clicked, this, &ActionsDialog::refresh);
    connect(exportButton, &QPushButton::clicked, this, &ActionsDialog::exportClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    mnemonics::complete(this);
    resize(760, 400);
}

ActionFilter ActionsDialog::filter() const {
    ActionFilter filter;
    filter.server = m_server->text().trimmed();
    filter.operatorUser = m_operator->text().trimmed();
    if (m_kind->currentIndex() > 0)
        filter.kind = m_kind->currentText();
    const qint64 seconds = kSince.value(m_since->currentIndex()).second;
    if (seconds > 0)
        filter.from = QDateTime::currentDateTimeUtc().addSecs(-seconds);
    return filter;
}

void ActionsDialog::refresh() {
    if (!m_history || !m_history->isKept()) {
        m_state->setText(QStringLiteral("No history is kept (Preferences)."));
        return;
    }
    m_state->setText(QStringLiteral("Reading..."));
    m_history->findActions(filter(), this,
                           [this](const QList<ActionRecord>& actions) { list(actions); });
}

void ActionsDialog::list(const QList<ActionRecord>& actions) {
    m_shown = actions;
    m_table->setRowCount(int(actions.size()));
    for (int row = 0; row < actions.size(); ++row) {
        const ActionRecord& a = actions.at(row);
        const QString outcome =
            a.serverWords.isEmpty() ? a.outcome : a.outcome + QLatin1String(": ") + a.serverWords;
        const QStringList cells{QLocale().toString(a.at.toLocalTime(), QLocale::ShortFormat),
                                a.server,
                                a.operatorPrefix.isEmpty()
                                    ? a.operatorUser
                                    : a.operatorUser + QLatin1String(" (") + a.operatorPrefix +
                                          QLatin1Char(')'),
                                a.kind,
                                a.command,
                                outcome,
                                a.playerName,
                                a.reason};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    m_table->resizeColumnsToContents();
    m_state->setText(actions.isEmpty() ? QStringLiteral("No action found.")
                     : actions.size() == 1
                         ? QStringLiteral("1 action.")
                         : QString::number(actions.size()) + QLatin1String(" actions."));
}

void ActionsDialog::exportClicked() {
    const QString path = m_dialogs.saveFileName(
        QStringLiteral("Export actions"), QStringLiteral("actions.csv"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(actionsCsv(m_shown)) < 0 || !file.commit()) {
        m_dialogs.message(QStringLiteral("The actions could not be written to ") + path +
                              QLatin1Char('\r') + file.errorString(),
                          QStringLiteral("Export failed"), Dialogs::Icon::Exclamation);
        return;
    }
    m_state->setText(QString::number(m_shown.size()) + QLatin1String(" actions written to ") +
                     path);
}
