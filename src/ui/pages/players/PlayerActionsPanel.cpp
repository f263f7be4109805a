#include "PlayerActionsPanel.h"

#include "PlayerGrid.h"
#include "PlayerListing.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "players/PlayerNames.h"
#include "players/PlayerSightings.h"
#include "settings/OptionsStore.h"
#include "settings/ProfileFile.h"
#include "settings/RecentReasons.h"
#include "ui/WidgetNaming.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

using Icon = Dialogs::Icon;

// In English here, translated where they are shown: the table is made only once.
struct RemovalTexts {
    const char* noSelection;
    const char* queryMode;
};

const RemovalTexts& textsOf(playeractions::Removal removal) {
    static const RemovalTexts kick{
        QT_TRANSLATE_NOOP("PlayerActionsPanel", "Select a player from the list to Kick first"),
        QT_TRANSLATE_NOOP("PlayerActionsPanel", "Only Kick with Rcon access, not in Query Mode")};
    static const RemovalTexts ban{
        QT_TRANSLATE_NOOP("PlayerActionsPanel", "Select a player from the list to Ban first"),
        QT_TRANSLATE_NOOP("PlayerActionsPanel", "Only Ban with Rcon access, not in Query Mode")};
    static const RemovalTexts tempBan{
        QT_TRANSLATE_NOOP("PlayerActionsPanel",
                          "Select a player from the list to temporary Ban first"),
        QT_TRANSLATE_NOOP("PlayerActionsPanel",
                          "Only Temp Ban with Rcon access, not in Query Mode")};
    using R = playeractions::Removal;
    return removal == R::Kick ? kick : (removal == R::Ban ? ban : tempBan);
}

// The player as the audit log names him: the name without colours (as the history's look-ups
// by name go), the address without its port.
AuditNote noteFor(const PlayerGrid::Selected& player, const QString& reason = {}) {
    return {stripcolours(player.occupant.name).trimmed(), playerIp(player.occupant.address),
            player.guid, reason};
}

} // namespace

PlayerActionsPanel::PlayerActionsPanel(Session& session, PlayerGrid& grid, PlayerListing& listing,
                                       QCheckBox* queryMode, QWidget* parent)
    : QGroupBox(tr("Selected player"), parent), m_session(session), m_grid(grid),
      m_listing(listing), m_queryMode(queryMode),
      m_kick(named(new QPushButton(tr("Kick selected")), "cmdplykick")),
      m_ban(named(new QPushButton(tr("Ban selected")), "cmdplyban")),
      m_tempBan(named(new QPushButton(tr("Temp Ban selected")), "cmdtempban")),
      m_tell(named(new QPushButton(tr("Send message")), "cmdplymessage")) {
    setObjectName(QStringLiteral("frmplayeractions"));
    connect(m_kick, &QPushButton::clicked, this, [this] { removeSelectedPlayer(Removal::Kick); });
    connect(m_ban, &QPushButton::clicked, this, [this] { removeSelectedPlayer(Removal::Ban); });
    connect(m_tempBan, &QPushButton::clicked, this,
            [this] { removeSelectedPlayer(Removal::TempBan); });
    connect(m_tell, &QPushButton::clicked, this, &PlayerActionsPanel::messageSelectedPlayer);
    auto* row = new QHBoxLayout(this);
    for (QPushButton* button : buttons())
        row->addWidget(button);
}

QList<QPushButton*> PlayerActionsPanel::buttons() const {
    return {m_kick, m_ban, m_tempBan, m_tell};
}

void PlayerActionsPanel::removeSelectedPlayer(Removal removal) {
    const RemovalTexts& t = textsOf(removal);
    Dialogs& dialogs = m_session.dialogs();
    const std::optional<PlayerGrid::Selected> player = m_grid.selectedPlayer();
    if (!player) {
        dialogs.message(tr(t.noSelection), tr("No player"), Icon::Information);
        return;
    }
    // A row read in Query Mode carries no slot, whatever the box shows now.
    const SlotOccupant& target = player->occupant;
    if (m_queryMode->isChecked() || target.slot.isEmpty()) {
        dialogs.message(tr(t.queryMode), tr("Need Rcon Access"), Icon::Information);
        return;
    }
    QString reason;
    if (linkDown() || !confirmed(removal, target, reason))
        return;
    const Plan plan =
        removalAfterSlotCheck(removal, target, player->shownName, checkOutcomes(target));
    m_session.run(
        plan, this, {},
        [this, target](int, const Step& step, const Reply&, const Outcome& outcome) {
            // A refused or unanswered removal leaves the player listed. Other replies may have
            // filled the grid anew meanwhile: the row is found by slot and name; a list that no
            // longer shows the player has nothing to remove.
            if (!step.read && outcome.taken())
                m_grid.removePlayer(target.slot, target.name);
        },
        noteFor(*player, reason));
}

SlotCheckOutcomes PlayerActionsPanel::checkOutcomes(const SlotOccupant& target) {
    SlotCheckOutcomes outcomes;
    outcomes.reportRead = [this](const StatusReport& report) { m_listing.recordSightings(report); };
    outcomes.reportFault = [this](const QString& reply, const StatusReport& report) {
        m_listing.sayReportFault(reply, report);
    };
    outcomes.slotLost = [this, target](const StatusReport& report, const StatusRow& holder) {
        m_listing.showReport(report);
        m_session.dialogs().message(slotLostText(stripcolours(target.name).trimmed(), target.slot,
                                                 stripcolours(holder.name).trimmed()),
                                    tr("Player left"), Icon::Exclamation);
    };
    return outcomes;
}

bool PlayerActionsPanel::linkDown() {
    if (m_session.client().isOpen())
        return false;
    m_session.send(Request::listing(QStringLiteral("status")), this);
    return true;
}

bool PlayerActionsPanel::confirmed(Removal removal, const SlotOccupant& target, QString& reason) {
    Options& options = m_session.state().options;
    if (!options.confirmkick)
        return true;
    ProfileFile settings(m_session.state().files.settingsFile);
    const QString name = stripcolours(target.name).trimmed();
    bool dontAskAgain = false;
    if (m_session.dialogs().askWithReason(
            playeractions::removalQuestion(removal, target.slot, name),
            playeractions::removalTitle(removal), recentreasons::load(settings), reason,
            dontAskAgain) != Dialogs::Answer::Yes)
        return false;
    // Offered again next time; a file that cannot be written only loses that.
    recentreasons::remember(settings, reason);
    if (dontAskAgain) {
        // Kept for the next start too; a file that cannot be written leaves it for this run.
        options.confirmkick = false;
        writeOptionSwitch(settings, QStringLiteral("confirmkick"), false);
    }
    return true;
}

void PlayerActionsPanel::messageSelectedPlayer() {
    Dialogs& dialogs = m_session.dialogs();
    const auto needSlot = [&dialogs] {
        dialogs.message(tr("Can only send message to an individual with the RCON access\n"
                           "Populate players without Query Mode ticked"),
                        tr("Need Player ID"), Icon::Exclamation);
    };
    if (m_queryMode->isChecked()) {
        needSlot();
        return;
    }
    const std::optional<PlayerGrid::Selected> player = m_grid.selectedPlayer();
    if (!player) {
        dialogs.message(tr("Select a player from the list to send private to"), tr("No player"),
                        Icon::Information);
        return;
    }
    // A row read in Query Mode carries no slot.
    const SlotOccupant& target = player->occupant;
    if (target.slot.isEmpty()) {
        needSlot();
        return;
    }
    if (linkDown())
        return;
    QString message =
        dialogs.input(tr("Enter message to send selected player\n"
                         "( Note: Use %P% to auto full playername)"),
                      tr("Enter Message"), QStringLiteral("You are on a last warning %P%"));
    if (message.isEmpty())
        return;
    const QString name = stripcolours(target.name).trimmed();
    message = fillPlayerPlaceholder(message, name);
    m_session.run(afterSlotCheck(target,
                                 playeractions::privateMessagePlan(target.slot, name, message),
                                 checkOutcomes(target)),
                  this, {}, {}, noteFor(*player));
}
