#include "ServerListPanel.h"

#include "HostNameDelegate.h"
#include "ServerEditDialog.h"
#include "base/Dialogs.h"
#include "fleet/HostNameRuns.h"
#include "fleet/StatusPoller.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

// The text the find field searches: the operator's name, the address and the server's name.
constexpr int kSearchRole = Qt::UserRole + 10;

// Two records name the same server when their addresses (any letter case) and ports agree.
QString serverKey(const ServerRecord& r) {
    return r.address.trimmed().toLower() + QLatin1Char(':') + r.port.trimmed();
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

ServerListPanel::ServerListPanel(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("serverlist"));

    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("txtfindserver"));
    m_find->setPlaceholderText(tr("name or address"));
    m_find->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(tr("&Find:"), this);
    findLabel->setObjectName(QStringLiteral("lblfindserver"));
    findLabel->setBuddy(m_find);

    m_model = new QStandardItemModel(this);
    m_filter = new QSortFilterProxyModel(this);
    m_filter->setSourceModel(m_model);
    m_filter->setFilterRole(kSearchRole);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);

    // One column of two-line rows: a side panel is too narrow for a table's columns.
    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("lstservers"));
    m_view->setAccessibleName(tr("Servers"));
    m_view->setModel(m_filter);
    m_view->setUniformItemSizes(true);
    m_view->setAlternatingRowColors(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setItemDelegate(new HostNameDelegate(m_view));
    m_view->installEventFilter(this);

    m_add = button("cmdaddserver", tr("&Add..."), this);
    m_edit = button("cmdeditserver", tr("&Edit..."), this);
    m_remove = button("cmdremoveserver", tr("&Remove"), this);

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(m_find, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(findRow);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    m_poller = new fleet::StatusPoller(this);
    connect(m_poller, &fleet::StatusPoller::statusRead, this, &ServerListPanel::showStatus);
    connect(m_find, &QLineEdit::textChanged, m_filter,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(m_find, &QLineEdit::returnPressed, this, &ServerListPanel::openSingleMatch);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &ServerListPanel::openRow);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ServerListPanel::updateButtons);
    connect(m_model, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (!m_filling && item->isCheckable())
            emit tickedChanged();
    });
    connect(m_add, &QPushButton::clicked, this, &ServerListPanel::addServer);
    connect(m_edit, &QPushButton::clicked, this, &ServerListPanel::editServer);
    connect(m_remove, &QPushButton::clicked, this, &ServerListPanel::removeServer);
    updateButtons();
}

ServerListPanel::~ServerListPanel() = default;

void ServerListPanel::setRecords(const ServerRecords& records) {
    const ServerRecords tickedBefore = tickedRecords();
    QSet<QString> ticked;
    for (const ServerRecord& r : tickedBefore)
        ticked << serverKey(r);
    m_keys.clear();
    for (const ServerRecord& r : records)
        m_keys << serverKey(r);
    const QSet<QString> listed(m_keys.cbegin(), m_keys.cend());
    m_status.removeIf([&listed](const auto& entry) { return !listed.contains(entry.key()); });

    m_records = records;
    m_filling = true;
    m_model->clear();
    QList<fleet::ServerEndpoint> endpoints;
    for (int row = 0; row < records.size(); ++row) {
        auto* item = new QStandardItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(ticked.contains(serverKey(records[row])) ? Qt::Checked : Qt::Unchecked);
        m_model->appendRow(item);
        fillRow(row);
        endpoints << fleet::ServerEndpoint{records[row].address.trimmed(),
                                           records[row].port.trimmed().toUShort()};
    }
    m_filling = false;
    m_poller->setServers(endpoints);
    updateButtons();
    if (tickedRecords() != tickedBefore)
        emit tickedChanged();
}

ServerRecords ServerListPanel::tickedRecords() const {
    ServerRecords ticked;
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (m_model->item(row)->checkState() == Qt::Checked)
            ticked << m_records.value(row);
    return ticked;
}

void ServerListPanel::startPolling() {
    m_poller->start();
}

void ServerListPanel::stopPolling() {
    m_poller->stop();
}

void ServerListPanel::focusFind() {
    m_find->setFocus(Qt::ShortcutFocusReason);
    m_find->selectAll();
}

void ServerListPanel::fillRow(int row) {
    const ServerRecord& record = m_records[row];
    const auto found = m_status.constFind(m_keys[row]);
    const bool asked = found != m_status.constEnd();
    const fleet::ServerStatus status = asked ? *found : fleet::ServerStatus{};
    const QString hostName = fleet::splitHostName(status.hostName).plain.trimmed();
    const bool named = status.answered && !hostName.isEmpty();

    const QString title = !named ? record.title()
                          : record.name.isEmpty()
                              ? hostName
                              : record.name + QStringLiteral(" \u2014 ") + hostName;
    QString details;
    if (status.answered)
        details = QStringList{status.map, status.gameType,
                              QStringLiteral("%1/%2").arg(status.players).arg(status.maxPlayers),
                              tr("%1 ms").arg(status.roundTripMs)}
                      .join(QStringLiteral(" \u00b7 "));
    else if (asked)
        details = tr("no answer");
    else if (!record.name.isEmpty())
        details = record.entry();

    const bool wasFilling = m_filling;
    m_filling = true;
    QStandardItem* item = m_model->item(row);
    item->setText(title + u'\n' + details);
    item->setData(named ? status.hostName : QString(), HostNameDelegate::kColouredNameRole);
    item->setData(record.name, HostNameDelegate::kOwnNameRole);
    item->setData(QStringList{record.name, record.entry(), hostName}.join(u'\n'), kSearchRole);
    item->setToolTip(title + u'\n' + record.entry());
    m_filling = wasFilling;
}

void ServerListPanel::showStatus(int index, const fleet::ServerStatus& status) {
    if (index < 0 || index >= m_records.size())
        return;
    m_status.insert(m_keys[index], status);
    // Another record for the same server shows the same answer.
    for (int row = 0; row < m_keys.size(); ++row)
        if (m_keys[row] == m_keys[index])
            fillRow(row);
}

void ServerListPanel::addServer() {
    openEditorFor(-1);
}

void ServerListPanel::editServer() {
    const int row = selectedRow();
    if (row >= 0)
        openEditorFor(row);
}

void ServerListPanel::removeServer() {
    const int row = selectedRow();
    if (row < 0)
        return;
    const ServerRecord record = m_records[row];
    if (m_dialogs.message(tr("Remove %1 from the server list?").arg(record.title()),
                          tr("Remove server"), Dialogs::Icon::Question,
                          Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    // The list may have been replaced while the question was up.
    const qsizetype at = m_records.indexOf(record);
    if (at < 0)
        return;
    ServerRecords records = m_records;
    records.removeAt(at);
    setRecords(records);
    selectRow(int(qMin(at, records.size() - 1)));
    emit recordsChanged();
}

ServerEditDialog* ServerListPanel::openEditor() const {
    return m_editor;
}

void ServerListPanel::openEditorFor(int row) {
    if (m_editor) {
        m_editor->activateWindow();
        return;
    }
    m_editing = row >= 0;
    m_edited = m_editing ? m_records[row] : ServerRecord{};
    m_editor = new ServerEditDialog(this);
    m_editor->setWindowTitle(m_editing ? tr("Vostrel - Edit server") : tr("Vostrel - Add server"));
    m_editor->setRecord(m_edited);
    connect(m_editor, &QDialog::finished, this, &ServerListPanel::editorFinished);
    m_editor->open();
}

void ServerListPanel::editorFinished(int result) {
    ServerEditDialog* editor = m_editor;
    m_editor = nullptr;
    if (!editor)
        return;
    editor->deleteLater();
    if (result != QDialog::Accepted)
        return;
    const ServerRecord record = editor->record();
    ServerRecords records = m_records;
    // The list may have been replaced while the editor was open: the edited record is found
    // again by its contents; when it is gone, the edit is kept as a new record.
    const qsizetype at = m_editing ? records.indexOf(m_edited) : -1;
    if (at >= 0)
        records[at] = record;
    else
        records << record;
    setRecords(records);
    selectRow(int(at >= 0 ? at : records.size() - 1));
    emit recordsChanged();
}

void ServerListPanel::openRow(const QModelIndex& viewIndex) {
    const int row = m_filter->mapToSource(viewIndex).row();
    if (row >= 0 && row < m_records.size())
        emit openRequested(m_records[row]);
}

void ServerListPanel::openSingleMatch() {
    if (m_filter->rowCount() == 1) {
        openRow(m_filter->index(0, 0));
    } else if (m_filter->rowCount() > 1) {
        m_view->setFocus(Qt::OtherFocusReason);
        m_view->setCurrentIndex(m_filter->index(0, 0));
    }
}

bool ServerListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_view->currentIndex().isValid()) {
            openRow(m_view->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int ServerListPanel::selectedRow() const {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : m_filter->mapToSource(rows.first()).row();
}

void ServerListPanel::selectRow(int row) {
    const QModelIndex index = m_filter->mapFromSource(m_model->index(row, 0));
    if (index.isValid())
        m_view->setCurrentIndex(index);
}

void ServerListPanel::updateButtons() {
    const bool selected = selectedRow() >= 0;
    m_edit->setEnabled(selected);
    m_remove->setEnabled(selected);
}
