#pragma once

#include "app/SharedState.h"
#include "players/PlayerActions.h"
#include "players/SlotCheck.h"
#include "rcon/Exchange.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class Session;
struct Options;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// The "Players" page: player list, actions, auto update with the 999 watch, export, sort.
class PlayersPage : public QWidget {
    Q_OBJECT
public:
    explicit PlayersPage(Session& session, QWidget* parent = nullptr);

    // Start-up: ticks "Remove colour id", "Query Mode" and "Auto Update" as the options say
    // (ticking Auto Update runs its click handler).
    void applyStartupOptions(const Options& options);
    // Connect: ticks Auto Update, which starts the automatic refresh.
    void startAutoUpdate();
    // Disconnect: when the refresh timer runs, unticks Auto Update and stops the timer; the
    // shared option stays as it is for the other servers and the next connect.
    void stopAutoUpdateForDisconnect();

    // Populate: the player list from the server's status report, or from the public status
    // query in Query Mode. Quiet (no boxes, no progress notice) while the list updates itself.
    void populateClicked();

    void kickClicked();
    void banClicked();
    void tempBanClicked();
    void messageClicked();

    void autoUpdateToggled();
    // One refresh: populate, then kick the players due and clean the watch up.
    void refreshTick();

    void saveNamesClicked();
    void sortChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Removal = playeractions::Removal;
    // Asks for the list; `listed` runs once it is shown (not when the request never went, nor
    // when the reply held no list).
    void populate(const std::function<void()>& listed);
    // Lists the players of a status reply and feeds them to the 999 watch; false when the
    // reply held no list, which leaves the grid as it was.
    bool listStatusReply(const QString& reply, bool interactive);
    void showReport(const StatusReport& report);
    // The box for a status reply that gave no whole list.
    void sayReportFault(const QString& reply, const StatusReport& report);
    void listQueryReply(const QString& reply);
    void removeSelectedPlayer(Removal variant);
    // Asks before a removal unless the operator said not to ask again; true to go on.
    bool confirmed(Removal variant, const SlotOccupant& target);
    // Reads the status report and runs `act` only when the slot still holds the target;
    // otherwise sends nothing, lists that report and says who is in the slot now.
    void whenSlotHolds(const SlotOccupant& target, const std::function<void()>& act);
    // The link went down without a disconnect: the client refuses a status read with its own
    // box, and no question comes before that.
    bool linkDown();
    // The grid row of a slot (and of the name as the server printed it, when given); -1 when
    // none.
    int rowOfSlot(const QString& slot, const QString& printedName = {}) const;
    // The player of a selected row (the grid control's numbering), as the grid read him.
    SlotOccupant selectedPlayer(int row) const;
    void kickDuePlayers();
    void buildGrid();
    QCheckBox* captionedBox(const QString& name, const QString& caption, const QString& boxTip,
                            const QString& labelName, const QString& labelTip, QBoxLayout* into);

    bool populateIsQuiet() const;
    // The selected row numbered as the grid control does: 0 is the header row (no player
    // selected), data rows count from 1.
    int selectedRow() const;
    void addRow(int at, const QStringList& cells);
    void removeDataRow(int dataRow);
    int refreshIntervalMs();
    void setActionsEnabled(bool enabled);

    Session& m_session;
    QTableWidget* m_playerGrid = nullptr;
    QPushButton* m_populatePlayers = nullptr;
    QPushButton* m_kickPlayer = nullptr;
    QPushButton* m_banPlayer = nullptr;
    QPushButton* m_tempBan = nullptr;
    QPushButton* m_tellPlayer = nullptr;
    QPushButton* m_savePlayerNames = nullptr;
    QCheckBox* m_removeColours = nullptr;
    QCheckBox* m_useQuery = nullptr;
    QCheckBox* m_autoUpdate = nullptr;
    QComboBox* m_sortChooser = nullptr;
    QTimer* m_refreshTimer = nullptr;
    // The context of the list's own exchanges: the populate and the kicks of a refresh. A
    // populate or a tick waits for these only; a kick or a message the operator sent
    // meanwhile does not hold the list back.
    QObject* m_listWork = nullptr;
    // The last listing showed every player at 999: the server is changing maps, and that
    // says nothing about anyone's connection, so its refresh kicks nobody.
    bool m_mapChangeListing = false;
    // The auto update option makes this server's lists come without boxes, until a disconnect
    // ends its auto update; its next connect starts it again. The option stays as it is.
    bool autoUpdateOptionHolds() const;
    bool m_optionEndedByDisconnect = false;
    // The players the 999 watch has seen at ping 999, from one populate to the next.
    QList<Player999Entry> m_watched999;
    // The report the grid shows: the 999 auto-kick checks its slots against it.
    StatusReport m_shownReport;
};
