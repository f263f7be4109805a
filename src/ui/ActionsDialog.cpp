#include "ActionsDialog.h"

#include "base/Dialogs.h"
#include "history/ActionsCsv.h"
#include "history/HistoryStore.h"
#include "ui/Mnemonics.h"
#include "ui/WidgetNaming.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

// The kinds as the audit log files them, in the order the filter offers them. The stored word
// is the filter's value; the operator reads it in the window's language.
const char* const kKinds[] = {
    QT_TRANSLATE_NOOP("ActionsDialog", "kick"),      QT_TRANSLATE_NOOP("ActionsDialog", "ban"),
    QT_TRANSLATE_NOOP("ActionsDialog", "tempban"),   QT_TRANSLATE_NOOP("ActionsDialog", "tell"),
    QT_TRANSLATE_NOOP("ActionsDialog", "map"),       QT_TRANSLATE_NOOP("ActionsDialog", "restart"),
    QT_TRANSLATE_NOOP("ActionsDialog", "setting"),   QT_TRANSLATE_NOOP("ActionsDialog", "cfg"),
    QT_TRANSLATE_NOOP("ActionsDialog", "broadcast"), QT_TRANSLATE_NOOP("ActionsDialog", "console")};

// The verdicts as the audit log words them; only their display is translated.
[[maybe_unused]] const char* const kOutcomes[] = {
    QT_TRANSLATE_NOOP("ActionsDialog", "taken"),
    QT_TRANSLATE_NOOP("ActionsDialog", "taken at next map"),
    QT_TRANSLATE_NOOP("ActionsDialog", "refused"), QT_TRANSLATE_NOOP("ActionsDialog", "no answer"),
    QT_TRANSLATE_NOOP("ActionsDialog", "not sent")};

// A stored word as the operator reads it; a word this version does not know stays as stored.
QString shownWord(const QString& stored) {
    return QCoreApplication::translate("ActionsDialog", stored.toUtf8().constData());
}

// The time choices and how far back each reaches, in seconds (0: any time).
const std::pair<const char*, qint64> kSince[] = {
    {QT_TRANSLATE_NOOP("ActionsDialog", "Any time"), 0},
    {QT_TRANSLATE_NOOP("ActionsDialog", "Last hour"), 3600},
    {QT_TRANSLATE_NOOP("ActionsDialog", "Last day"), 86400},
    {QT_TRANSLATE_NOOP("ActionsDialog", "Last week"), 7 * 86400},
    {QT_TRANSLATE_NOOP("ActionsDialog", "Last 30 days"), 30 * 86400}};

} // namespace

ActionsDialog::ActionsDialog(HistoryStore* history, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_history(history), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmactions"));
    setWindowTitle(tr("Actions"));
    m_server = new QLineEdit(this);
    m_server->setObjectName(QStringLiteral("txtactionserver"));
    m_server->setPlaceholderText(tr("any server (address:port)"));
    m_operator = new QLineEdit(this);
    m_operator->setObjectName(QStringLiteral("txtactionoperator"));
    m_operator->setPlaceholderText(tr("any operator"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cmbactionkind"));
    m_kind->addItem(tr("Any kind"));
    for (const char* kind : kKinds)
        m_kind->addItem(tr(kind), QLatin1String(kind));
    m_since = new QComboBox(this);
    m_since->setObjectName(QStringLiteral("cmbactionsince"));
    for (const auto& choice : kSince)
        m_since->addItem(tr(choice.first));
    auto* show = new QPushButton(tr("&Show"), this);
    show->setObjectName(QStringLiteral("cmdactionshow"));
    show->setDefault(true);

    m_table = new QTableWidget(0, 8, this);
    m_table->setObjectName(QStringLiteral("lstactions"));
    m_table->setAccessibleName(tr("Actions"));
    m_table->setHorizontalHeaderLabels({tr("Time"), tr("Server"), tr("Operator"), tr("Kind"),
                                        tr("Command"), tr("Outcome"), tr("Player"), tr("Reason")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lblactions"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton =
        buttons->addButton(tr("&Export CSV..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("cmdactionexport"));

    auto* filters = new QGridLayout;
    filters->addWidget(labelFor(tr("Server"), m_server, this), 0, 0);
    filters->addWidget(m_server, 0, 1);
    filters->addWidget(labelFor(tr("Operator"), m_operator, this), 0, 2);
    filters->addWidget(m_operator, 0, 3);
    filters->addWidget(labelFor(tr("Kind"), m_kind, this), 1, 0);
    filters->addWidget(m_kind, 1, 1);
    filters->addWidget(labelFor(tr("Time"), m_since, this), 1, 2);
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
        filter.kind = m_kind->currentData().toString();
    const int since = m_since->currentIndex();
    const qint64 seconds = since >= 0 && since < int(std::size(kSince)) ? kSince[since].second : 0;
    if (seconds > 0)
        filter.from = QDateTime::currentDateTimeUtc().addSecs(-seconds);
    return filter;
}

void ActionsDialog::refresh() {
    if (!m_history || !m_history->isKept()) {
        m_state->setText(tr("No history is kept (Preferences)."));
        return;
    }
    m_state->setText(tr("Reading..."));
    m_history->findActions(filter(), this,
                           [this](const QList<ActionRecord>& actions) { list(actions); });
}

void ActionsDialog::list(const QList<ActionRecord>& actions) {
    m_shown = actions;
    m_table->setRowCount(int(actions.size()));
    for (int row = 0; row < actions.size(); ++row) {
        const ActionRecord& a = actions.at(row);
        const QString outcome = a.serverWords.isEmpty()
                                    ? shownWord(a.outcome)
                                    : shownWord(a.outcome) + QLatin1String(": ") + a.serverWords;
        const QStringList cells{QLocale().toString(a.at.toLocalTime(), QLocale::ShortFormat),
                                a.server,
                                a.operatorPrefix.isEmpty()
                                    ? a.operatorUser
                                    : a.operatorUser + QLatin1String(" (") + a.operatorPrefix +
                                          QLatin1Char(')'),
                                shownWord(a.kind),
                                a.command,
                                outcome,
                                a.playerName,
                                a.reason};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    m_table->resizeColumnsToContents();
    m_state->setText(actions.isEmpty()     ? tr("No action found.")
                     : actions.size() == 1 ? tr("1 action.")
                                           : tr("%1 actions.").arg(actions.size()));
}

void ActionsDialog::exportClicked() {
    const QString path = m_dialogs.saveFileName(tr("Export actions"), QStringLiteral("actions.csv"),
                                                QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(actionsCsv(m_shown)) < 0 || !file.commit()) {
        m_dialogs.message(
            tr("The actions could not be written to %1\r%2").arg(path, file.errorString()),
            tr("Export failed"), Dialogs::Icon::Exclamation);
        return;
    }
    m_state->setText(tr("%1 actions written to %2").arg(QString::number(m_shown.size()), path));
}
