#pragma once

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
    // Disconnect: when the refresh timer runs, unticks Auto Update, clears the option in
    // memory and stops the timer.
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
    enum class Removal { Kick, Ban, TempBan };
    // Asks for the list; `listed` runs once it is shown (not when the request never went).
    void populate(const std::function<void()>& listed);
    // Lists the players of a status reply below the rows already in the grid and feeds them
    // to the 999 watch.
    void listStatusReply(const QString& reply, bool interactive);
    void listQueryReply(const QString& reply);
    // One player line for the 999 watch; does nothing unless the auto-kick option is on.
    void check999(const QString& name, const QString& ping, const QString& num);
    void removeSelectedPlayer(Removal variant);
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
    QString serverText() const;
    int refreshIntervalMs();
    void setActionsEnabled(bool enabled);

    Session& m_session;
    QTableWidget* m_msfplayers = nullptr;
    QPushButton* m_cmdplypop = nullptr;
    QPushButton* m_cmdplykick = nullptr;
    QPushButton* m_cmdplyban = nullptr;
    QPushButton* m_cmdtempban = nullptr;
    QPushButton* m_cmdplymessage = nullptr;
    QPushButton* m_cmdsavenames = nullptr;
    QCheckBox* m_chkremcol = nullptr;
    QCheckBox* m_chkplyq = nullptr;
    QCheckBox* m_chkautoupdate = nullptr;
    QComboBox* m_complayersort = nullptr;
    QTimer* m_tmrplayer = nullptr;
    // The context of the list's own exchanges: the populate and the kicks of a refresh. A
    // populate or a tick waits for these only; a kick or a message the operator sent
    // meanwhile does not hold the list back.
    QObject* m_listWork = nullptr;
    // The last listing showed every player at 999: the server is changing maps, and that
    // says nothing about anyone's connection, so its refresh kicks nobody.
    bool m_mapChangeListing = false;
};
