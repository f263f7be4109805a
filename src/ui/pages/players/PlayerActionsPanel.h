#pragma once

#include "players/PlayerActions.h"
#include "players/SlotCheckPlan.h"

#include <QGroupBox>

class PlayerGrid;
class PlayerListing;
class QCheckBox;
class QPushButton;
class Session;

// "Selected player": kick, ban, temp ban and a private message for the player selected in the
// grid. Each reads the status report first and goes only when the slot still holds the player.
class PlayerActionsPanel : public QGroupBox {
    Q_OBJECT
public:
    PlayerActionsPanel(Session& session, PlayerGrid& grid, PlayerListing& listing,
                       QCheckBox* queryMode, QWidget* parent = nullptr);

    QList<QPushButton*> buttons() const;

private:
    using Removal = playeractions::Removal;
    void removeSelectedPlayer(Removal removal);
    void messageSelectedPlayer();
    // Asks before a removal, with a reason for the audit log, unless the operator said not
    // to ask again; true to go on.
    bool confirmed(Removal removal, const SlotOccupant& target, QString& reason);
    // The link went down without a disconnect: the client refuses a status read with its own
    // box, and no question comes before that.
    bool linkDown();
    // What the grid and the boxes make of a slot check that stopped the action.
    SlotCheckOutcomes checkOutcomes(const SlotOccupant& target);

    Session& m_session;
    PlayerGrid& m_grid;
    PlayerListing& m_listing;
    QCheckBox* m_queryMode;
    QPushButton* m_kick;
    QPushButton* m_ban;
    QPushButton* m_tempBan;
    QPushButton* m_tell;
};
