#include "PlayersPage.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "base/WaitClock.h"
#include "players/ColumnFormat.h"
#include "players/GetstatusParser.h"
#include "players/Player999Watch.h"
#include "players/PlayerColumns.h"
#include "players/PlayerExport.h"
#include "players/PlayerNames.h"
#include "players/PlayerSort.h"
#include "players/ReportFault.h"
#include "players/StatusParser.h"
#include "rcon/Outcome.h"
#include "rcon/Plan.h"
#include "settings/OptionsStore.h"
#include "settings/ProfileFile.h"
#include "ui/Mnemonics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using Icon = Dialogs::Icon;

// Sorting the grid compares cells the way the player list wants, not as plain text.
class PlayerCell : public QTableWidgetItem {
public:
    explicit PlayerCell(const QString& text) : QTableWidgetItem(text) {}
    bool operator<(const QTableWidgetItem& other) const override {
        return comparePlayerCells(text(), other.text()) < 0;
    }
};

// A cell aligned as its column's header.
QTableWidgetItem* makeCell(const QTableWidget* grid, int column, const QString& text) {
    auto* item = new PlayerCell(text);
    item->setTextAlignment(Qt::Alignment(grid->horizontalHeaderItem(column)->textAlignment()));
    return item;
}

QPushButton* makeButton(const char* name, const QString& caption, const QString& toolTip = {}) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    return button;
}

struct RemovalTexts {
    QString noSelection;
    QString queryMode;
};

} // namespace

PlayersPage::PlayersPage(Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_listWork(new QObject(this)) {
    // The connect starts the auto update when the option asks for it; a disconnect ends it.
    connect(&session, &Session::detailsRead, this, [this] {
        if (m_session.state().options.autoqplayer)
            startAutoUpdate();
    });
    connect(&session, &Session::disconnected, this, &PlayersPage::stopAutoUpdateForDisconnect);
    // Each connection starts the 999 watch afresh.
    connect(&session, &Session::connected, this, [this] { m_watched999 = {Player999Entry{}}; });
    setObjectName(QStringLiteral("pagePlayers"));

    m_populatePlayers = makeButton("cmdplypop", QStringLiteral("Populate from server"),
                                   QStringLiteral("Get current player list from server"));
    connect(m_populatePlayers, &QPushButton::clicked, this, &PlayersPage::populateClicked);

    auto* options = new QHBoxLayout;
    m_removeColours = captionedBox(
        "chkremcol", QStringLiteral("Remove colour id"),
        QStringLiteral("This will remove the ^n from the player names to make them more readable"),
        "lblremcol",
        QStringLiteral("Removes ^n from names on populate. If changed then call Populate again"),
        options);
    m_useQuery = new QCheckBox(QStringLiteral("Query Mode"));
    m_useQuery->setObjectName(QStringLiteral("chkplyq"));
    m_useQuery->setToolTip(QStringLiteral(
        "If populate keeps timing out (usually when fairly full servers) then use Query mode to "
        "return basic player details. This is a UDP fragmented packets problem where routers do "
        "not allow the fragmented packets through in case a DOS attack"));
    options->addWidget(m_useQuery);
    m_autoUpdate = captionedBox(
        "chkautoupdate", QStringLiteral("Auto Update"),
        QStringLiteral("Auto Update list, interval taken from Preferences..."), "lblautoupdate",
        QStringLiteral("Auto update player list, see Preferences for interval"), options);
    connect(m_autoUpdate, &QCheckBox::toggled, this, &PlayersPage::autoUpdateToggled);

    m_sortChooser = new QComboBox;
    m_sortChooser->setObjectName(QStringLiteral("complayersort"));
    m_sortChooser->setToolTip(QStringLiteral("Select Column to sort on"));
    m_sortChooser->addItems(
        {QStringLiteral("Num"), QStringLiteral("Guid"), QStringLiteral("Player"),
         QStringLiteral("Ping"), QStringLiteral("Score"), QStringLiteral("Address"),
         QStringLiteral("Port"), QStringLiteral("Rate"), QStringLiteral("Message")});
    m_sortChooser->setCurrentIndex(-1);
    connect(m_sortChooser, &QComboBox::currentIndexChanged, this, &PlayersPage::sortChosen);
    auto* sortLabel = new QLabel(QStringLiteral("Sort on"));
    sortLabel->setObjectName(QStringLiteral("lblsort"));
    sortLabel->setBuddy(m_sortChooser);

    buildGrid();

    auto* top = new QHBoxLayout;
    top->addWidget(m_populatePlayers);
    top->addSpacing(12);
    top->addLayout(options);
    top->addStretch();
    top->addWidget(sortLabel);
    top->addWidget(m_sortChooser);

    auto* listFrame = new QGroupBox(QStringLiteral("Players on the server"));
    listFrame->setObjectName(QStringLiteral("frmplayers"));
    auto* listLayout = new QVBoxLayout(listFrame);
    listLayout->addLayout(top);
    listLayout->addWidget(m_playerGrid, 1);

    m_kickPlayer = makeButton("cmdplykick", QStringLiteral("Kick selected"));
    m_banPlayer = makeButton("cmdplyban", QStringLiteral("Ban selected"));
    m_tempBan = makeButton("cmdtempban", QStringLiteral("Temp Ban selected"));
    m_tellPlayer = makeButton("cmdplymessage", QStringLiteral("Send message"));
    connect(m_kickPlayer, &QPushButton::clicked, this, &PlayersPage::kickClicked);
    connect(m_banPlayer, &QPushButton::clicked, this, &PlayersPage::banClicked);
    connect(m_tempBan, &QPushButton::clicked, this, &PlayersPage::tempBanClicked);
    connect(m_tellPlayer, &QPushButton::clicked, this, &PlayersPage::messageClicked);
    auto* actionFrame = new QGroupBox(QStringLiteral("Selected player"));
    actionFrame->setObjectName(QStringLiteral("frmplayeractions"));
    auto* actions = new QHBoxLayout(actionFrame);
    actions->addWidget(m_kickPlayer);
    actions->addWidget(m_banPlayer);
    actions->addWidget(m_tempBan);
    actions->addWidget(m_tellPlayer);

    m_savePlayerNames = makeButton("cmdsavenames", QStringLiteral("Save Names"));
    connect(m_savePlayerNames, &QPushButton::clicked, this, &PlayersPage::saveNamesClicked);
    auto* exportFrame = new QGroupBox(QStringLiteral("Player log"));
    exportFrame->setObjectName(QStringLiteral("frmplayerexport"));
    auto* exportRow = new QHBoxLayout(exportFrame);
    exportRow->addWidget(m_savePlayerNames);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(actionFrame);
    bottom->addWidget(exportFrame);
    bottom->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listFrame, 1);
    layout->addLayout(bottom);

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setObjectName(QStringLiteral("tmrplayer"));
    connect(m_refreshTimer, &QTimer::timeout, this, &PlayersPage::refreshTick);
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

QCheckBox* PlayersPage::captionedBox(const QString& name, const QString& caption,
                                     const QString& boxTip, const QString& labelName,
                                     const QString& labelTip, QBoxLayout* into) {
    // The box and its caption carry tooltips of their own, so the caption is a label; a click
    // on it still ticks the box, as on any check box.
    auto* box = new QCheckBox;
    box->setObjectName(name);
    box->setToolTip(boxTip);
    box->setAccessibleName(caption);
    auto* label = new QLabel(caption);
    label->setObjectName(labelName);
    label->setToolTip(labelTip);
    label->setBuddy(box);
    label->installEventFilter(this);
    auto* pair = new QHBoxLayout;
    pair->setSpacing(2);
    pair->addWidget(box);
    pair->addWidget(label);
    pair->addSpacing(10);
    into->addLayout(pair);
    return box;
}

bool PlayersPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton) {
            if (auto* box = qobject_cast<QCheckBox*>(label->buddy()))
                box->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlayersPage::buildGrid() {
    const QList<GridColumn> columns = parseColumnFormat(QString::fromLatin1(playercol::kFormat));
    m_playerGrid = new QTableWidget(0, int(columns.size()));
    m_playerGrid->setObjectName(QStringLiteral("msfplayers"));
    m_playerGrid->setToolTip(QStringLiteral("Players on the server at last Populate"));
    m_playerGrid->setAccessibleName(QStringLiteral("Players"));
    m_playerGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_playerGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_playerGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_playerGrid->verticalHeader()->hide();
    m_playerGrid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_playerGrid->setWordWrap(false);
    // The header's text, blanks included, measured in the grid's font gives the column's
    // starting width; a header never starts cut off.
    const QFontMetrics cells = m_playerGrid->fontMetrics();
    const QFontMetrics headers = m_playerGrid->horizontalHeader()->fontMetrics();
    for (int c = 0; c < columns.size(); ++c) {
        auto* header = new QTableWidgetItem(columns[c].header);
        header->setTextAlignment(columns[c].alignment);
        m_playerGrid->setHorizontalHeaderItem(c, header);
        const int width = qMax(cells.horizontalAdvance(columns[c].widthText),
                               headers.horizontalAdvance(columns[c].header) + 16);
        m_playerGrid->setColumnWidth(c, width + 8);
    }
    m_playerGrid->horizontalHeader()->setStretchLastSection(true);
    m_playerGrid->setMinimumHeight(12 * m_playerGrid->verticalHeader()->defaultSectionSize());
}

// ---- populate ----

bool PlayersPage::autoUpdateOptionHolds() const {
    return m_session.state().options.autoqplayer && !m_optionEndedByDisconnect;
}

bool PlayersPage::populateIsQuiet() const {
    return autoUpdateOptionHolds() || m_autoUpdate->isChecked();
}

void PlayersPage::populateClicked() {
    populate({});
}

void PlayersPage::populate(const std::function<void()>& listed) {
    // A second populate waits for the first: the grid is filled once per reply.
    if (m_session.client().isBusy(m_listWork))
        return;
    if (!m_session.isConnected()) {
        m_session.dialogs().message(QStringLiteral("You need to connect to a server first"),
                                    QStringLiteral("Not Connected"), Icon::Exclamation);
        return;
    }
    SharedState& state = m_session.state();
    const bool interactive = !populateIsQuiet();

    m_mapChangeListing = false;
    if (interactive)
        m_session.showProgress(QStringLiteral("Asking server for player list..."));
    if (state.options.autokick999)
        Player999Watch(m_watched999).clearSeen();

    const bool query = m_useQuery->isChecked();
    const Request request =
        query ? Request::statusQuery() : Request::listing(QStringLiteral("status"));
    m_session.send(request, m_listWork, [this, query, interactive, listed](const Reply& reply) {
        if (interactive)
            m_session.hideProgress();
        // Without an answer the list keeps what it showed; the box has said why.
        if (reply.status != Reply::Status::Replied) {
            if (query && reply.status == Reply::Status::NoReply && !autoUpdateOptionHolds())
                m_session.dialogs().message(
                    QStringLiteral(
                        "No response from server in 5 seconds with standard Query method"),
                    QStringLiteral("No response"), Icon::Exclamation);
            return;
        }
        if (query) {
            m_playerGrid->setRowCount(0);
            listQueryReply(reply.text);
            sortChosen();
        } else if (!listStatusReply(reply.text, interactive)) {
            return;
        }
        if (listed)
            listed();
    });
}

bool PlayersPage::listStatusReply(const QString& reply, bool interactive) {
    // A refused password keeps the list as it was; the session says it once.
    if (replytext::isPasswordRefusal(reply))
        return false;
    const StatusReport report = parseStatusReply(reply);
    // A reply that lists nobody and is no whole report says nothing of who is on the server.
    const bool listed = !(report.malformed && report.rows.isEmpty());
    if (listed)
        showReport(report);
    if (!interactive)
        return listed;
    if (report.malformed)
        sayReportFault(reply, report);
    else if (report.rows.isEmpty())
        m_session.dialogs().message(QStringLiteral("No players on server"),
                                    QStringLiteral("No players"), Icon::Information);
    return listed;
}

void PlayersPage::showReport(const StatusReport& report) {
    SharedState& state = m_session.state();
    QStringList pings;
    for (const StatusRow& row : report.rows)
        pings << row.ping;
    const bool mapChange = Player999Watch::isMapChange(pings);
    m_mapChangeListing = mapChange;
    m_shownReport = report;
    Player999Watch watch(m_watched999);
    // A new cycle of the watch: a listing read for a slot check counts as a populate.
    if (state.options.autokick999)
        watch.clearSeen();

    const bool showStripped = m_removeColours->isChecked();
    // Emptied first, so no selection outlives the list it was made in.
    m_playerGrid->setRowCount(0);
    m_playerGrid->setRowCount(int(report.rows.size()));
    for (int i = 0; i < report.rows.size(); ++i) {
        const StatusRow& row = report.rows[i];
        // A blank between colour codes at either end of a name is no part of it.
        const QString stripped = stripcolours(row.name).trimmed();
        // The whole report goes through the one watch, which keeps it linear in the rows.
        if (state.options.autokick999) {
            if (mapChange)
                watch.hold(stripped, row.num);
            else
                watch.check(stripped, row.ping, row.num);
        }
        const QStringList cells = {
            QString(), row.num,   row.guid,    showStripped ? stripped : row.name,
            row.ping,  row.score, row.address, row.qport,
            row.rate,  QString()};
        for (int c = 0; c < cells.size(); ++c)
            m_playerGrid->setItem(i, c, makeCell(m_playerGrid, c, cells[c]));
        // The slot check compares the name as the server printed it, whatever is shown.
        m_playerGrid->item(i, playercol::Player)->setData(Qt::UserRole, row.name);
    }
    sortChosen();
}

void PlayersPage::sayReportFault(const QString& reply, const StatusReport& report) {
    if (reportFault(reply, report) == ReportFault::EndedEarly)
        m_session.dialogs().message(
            QStringLiteral("The server is not responding quickly enough\rTry populate again"),
            QStringLiteral("Slow Server Response"), Icon::Exclamation);
    else
        m_session.dialogs().message(
            QStringLiteral("The server answered, but not with a player list:\r") +
                firstLineOf(reply),
            QStringLiteral("Unreadable reply"), Icon::Exclamation);
}

void PlayersPage::listQueryReply(const QString& reply) {
    const bool boxes = !autoUpdateOptionHolds();
    const QueryReport report = parseGetstatusReply(reply);
    if (report.noPlayerLines) {
        if (boxes)
            m_session.dialogs().message(QStringLiteral("No players on server"),
                                        QStringLiteral("No players"), Icon::Information);
        return;
    }
    const bool showStripped = m_removeColours->isChecked();
    for (const QueryRow& row : report.rows) {
        const QString name = showStripped ? stripcolours(row.name).trimmed() : row.name;
        addRow(0, {QString(), QString(), QString(), name, row.ping, row.score, QString(), QString(),
                   QString(), QString()});
    }
}

void PlayersPage::addRow(int at, const QStringList& cells) {
    m_playerGrid->insertRow(at);
    for (int c = 0; c < cells.size(); ++c)
        m_playerGrid->setItem(at, c, makeCell(m_playerGrid, c, cells[c]));
}

// ---- actions ----

int PlayersPage::selectedRow() const {
    const QModelIndexList rows = m_playerGrid->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void PlayersPage::removeDataRow(int dataRow) {
    m_playerGrid->removeRow(dataRow);
    // The next action needs a new choice: the row below would otherwise inherit the
    // selection and be acted on by a second click.
    m_playerGrid->clearSelection();
}

void PlayersPage::kickClicked() {
    removeSelectedPlayer(Removal::Kick);
}
void PlayersPage::banClicked() {
    removeSelectedPlayer(Removal::Ban);
}
void PlayersPage::tempBanClicked() {
    removeSelectedPlayer(Removal::TempBan);
}

void PlayersPage::removeSelectedPlayer(Removal variant) {
    static const RemovalTexts kick{QStringLiteral("Select a player from the list to Kick first"),
                                   QStringLiteral("Only Kick with Rcon access, not in Query Mode")};
    static const RemovalTexts ban{QStringLiteral("Select a player from the list to Ban first"),
                                  QStringLiteral("Only Ban with Rcon access, not in Query Mode")};
    static const RemovalTexts tempBan{
        QStringLiteral("Select a player from the list to temporary Ban first"),
        QStringLiteral("Only Temp Ban with Rcon access, not in Query Mode")};
    const RemovalTexts& t =
        variant == Removal::Kick ? kick : (variant == Removal::Ban ? ban : tempBan);
    Dialogs& dialogs = m_session.dialogs();

    const int row = selectedRow();
    if (row == 0) {
        dialogs.message(t.noSelection, QStringLiteral("No player"), Icon::Information);
        return;
    }
    // A row read in Query Mode carries no slot, whatever the box shows now.
    const SlotOccupant target = selectedPlayer(row);
    if (m_useQuery->isChecked() || target.slot.isEmpty()) {
        dialogs.message(t.queryMode, QStringLiteral("Need Rcon Access"), Icon::Information);
        return;
    }
    if (linkDown() || !confirmed(variant, target))
        return;
    const QString name = m_playerGrid->item(row - 1, playercol::Player)->text();
    whenSlotHolds(target, [this, variant, target, name] {
        const Plan plan = playeractions::removalPlan(variant, target.slot, name);
        m_session.run(plan, this, {},
                      [this, target](int, const Step&, const Reply&, const Outcome& outcome) {
                          // A refused or unanswered removal leaves the player listed. Other replies
                          // may have filled the grid anew meanwhile: the row is found by slot and
                          // name; a list that no longer shows the player has nothing to remove.
                          if (!outcome.taken())
                              return;
                          const int at = rowOfSlot(target.slot, target.name);
                          if (at >= 0)
                              removeDataRow(at);
                      });
    });
}

SlotOccupant PlayersPage::selectedPlayer(int row) const {
    const auto text = [this, row](int column) {
        return m_playerGrid->item(row - 1, column)->text();
    };
    // A row the status report filled keeps the name as printed beside the one shown.
    const QVariant printed = m_playerGrid->item(row - 1, playercol::Player)->data(Qt::UserRole);
    return {text(playercol::Num), printed.isValid() ? printed.toString() : text(playercol::Player),
            text(playercol::Address)};
}

int PlayersPage::rowOfSlot(const QString& slot, const QString& printedName) const {
    for (int r = 0; r < m_playerGrid->rowCount(); ++r) {
        const QTableWidgetItem* num = m_playerGrid->item(r, playercol::Num);
        const QTableWidgetItem* name = m_playerGrid->item(r, playercol::Player);
        if (num && num->text() == slot &&
            (printedName.isNull() || (name && name->data(Qt::UserRole) == printedName)))
            return r;
    }
    return -1;
}

bool PlayersPage::linkDown() {
    if (m_session.client().isOpen())
        return false;
    m_session.send(Request::listing(QStringLiteral("status")), this);
    return true;
}

bool PlayersPage::confirmed(Removal variant, const SlotOccupant& target) {
    Options& options = m_session.state().options;
    if (!options.confirmkick)
        return true;
    const QString name = stripcolours(target.name).trimmed();
    bool dontAskAgain = false;
    if (m_session.dialogs().askOnce(playeractions::removalQuestion(variant, target.slot, name),
                                    playeractions::removalTitle(variant),
                                    dontAskAgain) != Dialogs::Answer::Yes)
        return false;
    if (dontAskAgain) {
        // Kept for the next start too; a file that cannot be written leaves it for this run.
        options.confirmkick = false;
        ProfileFile settings(m_session.state().files.settingsFile);
        writeOptionSwitch(settings, QStringLiteral("confirmkick"), false);
    }
    return true;
}

void PlayersPage::whenSlotHolds(const SlotOccupant& target, const std::function<void()>& act) {
    m_session.send(
        Request::listing(QStringLiteral("status")), this, [this, target, act](const Reply& reply) {
            // Not sent, or unanswered: the client's box has said so.
            if (reply.status != Reply::Status::Replied || replytext::isPasswordRefusal(reply.text))
                return;
            const StatusReport report = parseStatusReply(reply.text);
            const SlotCheck check = checkSlot(report, target);
            switch (check.verdict) {
            case SlotCheck::Verdict::Holds:
                act();
                return;
            case SlotCheck::Verdict::Unknown:
                sayReportFault(reply.text, report);
                return;
            case SlotCheck::Verdict::Other:
            case SlotCheck::Verdict::Empty:
                break;
            }
            showReport(report);
            m_session.dialogs().message(slotLostText(stripcolours(target.name).trimmed(),
                                                     target.slot,
                                                     stripcolours(check.holder.name).trimmed()),
                                        QStringLiteral("Player left"), Icon::Exclamation);
        });
}

void PlayersPage::messageClicked() {
    Dialogs& dialogs = m_session.dialogs();
    const auto needSlot = [&dialogs] {
        dialogs.message(
            QStringLiteral("Can only send message to an individual with the RCON access\n"
                           "Populate players without Query Mode ticked"),
            QStringLiteral("Need Player ID"), Icon::Exclamation);
    };
    if (m_useQuery->isChecked()) {
        needSlot();
        return;
    }
    const int row = selectedRow();
    if (row == 0) {
        dialogs.message(QStringLiteral("Select a player from the list to send private to"),
                        QStringLiteral("No player"), Icon::Information);
        return;
    }
    // A row read in Query Mode carries no slot.
    const SlotOccupant target = selectedPlayer(row);
    if (target.slot.isEmpty()) {
        needSlot();
        return;
    }
    if (linkDown())
        return;
    QString message = dialogs.input(QStringLiteral("Enter message to send selected player\n"
                                                   "( Note: Use %P% to auto full playername)"),
                                    QStringLiteral("Enter Message"),
                                    QStringLiteral("You are on a last warning %P%"));
    if (message.isEmpty())
        return;
    const QString name = stripcolours(target.name).trimmed();
    message = fillPlayerPlaceholder(message, name);
    whenSlotHolds(target, [this, target, name, message] {
        m_session.run(playeractions::privateMessagePlan(target.slot, name, message), this);
    });
}

// ---- auto update ----

void PlayersPage::setActionsEnabled(bool enabled) {
    for (QPushButton* button :
         {m_populatePlayers, m_savePlayerNames, m_kickPlayer, m_tellPlayer, m_banPlayer, m_tempBan})
        button->setEnabled(enabled);
}

int PlayersPage::refreshIntervalMs() {
    const int chosen = m_session.state().options.autoqplayerint;
    const int seconds = chosen < 5 || chosen > 40 ? 30 : chosen;
    return seconds * WaitClock::instance().secondMs();
}

void PlayersPage::autoUpdateToggled() {
    if (!m_autoUpdate->isChecked()) {
        setActionsEnabled(true);
        m_refreshTimer->stop();
        return;
    }
    if (!m_session.isConnected()) {
        m_autoUpdate->setChecked(false); // runs the branch above
        return;
    }
    setActionsEnabled(false);
    m_refreshTimer->setInterval(refreshIntervalMs());
    m_refreshTimer->start();
    populate({});
}

void PlayersPage::refreshTick() {
    // Never a second refresh of its own while one is queued or under way.
    if (m_session.client().isBusy(m_listWork))
        return;
    if (!m_session.isConnected()) {
        // The link went down without the disconnect: stop rather than report it every tick.
        m_autoUpdate->setChecked(false);
        return;
    }
    // The preferences may have changed the interval since the last tick.
    if (m_refreshTimer->isActive()) {
        const int interval = refreshIntervalMs();
        if (m_refreshTimer->interval() != interval)
            m_refreshTimer->setInterval(interval);
    }
    populate([this] { kickDuePlayers(); });
}

void PlayersPage::kickDuePlayers() {
    SharedState& state = m_session.state();
    Player999Watch watch(m_watched999);
    // Switched off since the last populate: that populate's marks must not kick anyone, and
    // nothing is watched any more.
    if (!state.options.autokick999)
        watch.clearSeen();
    Plan kicks;
    QStringList kickedSlots;
    if (state.options.autokick999 && !m_mapChangeListing) {
        const SlotHolders holders(m_shownReport);
        for (const Player999Entry& entry : watch.due(state.options.autokick999int)) {
            // A kick goes by slot: only when the report just read shows the player there.
            if (holders.check({entry.num, entry.name, {}, true}).verdict !=
                SlotCheck::Verdict::Holds)
                continue;
            kicks << playeractions::autoKickStep(entry.num, entry.name);
            kickedSlots << entry.num;
            // Kicked or not, the player leaves the watch: a refused kick is not tried again
            // from an old count.
            watch.markKicked(entry);
        }
    }
    watch.cleanUp();
    if (kicks.isEmpty())
        return;
    m_session.run(
        kicks, m_listWork, {},
        [this, kickedSlots](int index, const Step&, const Reply&, const Outcome& outcome) {
            if (!outcome.taken())
                return;
            const int at = rowOfSlot(kickedSlots.at(index));
            if (at >= 0)
                removeDataRow(at);
        });
}

void PlayersPage::applyStartupOptions(const Options& options) {
    m_removeColours->setChecked(options.removeid);
    m_useQuery->setChecked(options.usequery);
    m_autoUpdate->setChecked(options.autoqplayer);
}

void PlayersPage::startAutoUpdate() {
    m_optionEndedByDisconnect = false;
    m_autoUpdate->setChecked(true);
}

void PlayersPage::stopAutoUpdateForDisconnect() {
    if (!m_refreshTimer->isActive())
        return;
    m_autoUpdate->setChecked(false);
    m_optionEndedByDisconnect = true;
    m_refreshTimer->stop();
}

// ---- export and sort ----

void PlayersPage::saveNamesClicked() {
    Dialogs& dialogs = m_session.dialogs();
    if (dialogs.message(
            QStringLiteral("Append current list of players and GUIDs to playerlist.csv"),
            QStringLiteral("Save list"), Icon::Question,
            Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
        return;
    QList<playerexport::Row> rows;
    for (int r = 0; r < m_playerGrid->rowCount(); ++r) {
        const auto text = [this, r](int column) {
            const QTableWidgetItem* item = m_playerGrid->item(r, column);
            return item ? item->text() : QString();
        };
        rows << playerexport::Row{text(playercol::Address), text(playercol::Guid),
                                  text(playercol::Player)};
    }
    const QString path =
        QDir(m_session.state().files.dataFolder).filePath(QLatin1String(playerexport::kFileName));
    QString error;
    if (!playerexport::append(path, rows, m_session.serverName(), QDateTime::currentDateTime(),
                              m_useQuery->isChecked(), &error)) {
        dialogs.message(QStringLiteral("Could not append to playerlist.csv\r") + error,
                        QStringLiteral("Save list"), Icon::Exclamation);
        return;
    }
    dialogs.message(QStringLiteral("Players appended"), QStringLiteral("Players saved"),
                    Icon::Information);
}

void PlayersPage::sortChosen() {
    if (m_playerGrid->rowCount() < 2)
        return;
    const int column = m_sortChooser->currentIndex() + 1;
    m_playerGrid->sortItems(column, playerSortOrder(column));
}
