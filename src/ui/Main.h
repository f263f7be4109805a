#pragma once

#include "MainWidgets.h"
#include "Workspace.h"
#include "app/SharedState.h"
#include "fleet/FleetPlans.h"
#include "settings/ProfileFile.h"

#include <QMainWindow>
#include <QPointer>

class Dialogs;
class ProgressNotice;
class LogActions;
class ConnectController;
class SavedServersController;
class PreferencesDialog;
class HobWindow;
class HistoryController;
class AboutDialog;
class QLabel;
class QLineEdit;
class FleetSendBar;
class QListWidget;
class ServerListPanel;
struct ServerRecord;
class QMenu;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTabWidget;

// The main window: the saved servers and the user prefix at the side, one workspace per
// server in tabs, the menus that act on the current workspace, and what all servers share
// (options, saved servers, message sets, the user prefix).
class Main : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kRconPaneLines = Workspace::kRconPaneLines;

    // The files go where `files` says (the settings file is read at startup()).
    Main(Dialogs& dialogs, const FileLocations& files, QWidget* parent = nullptr);
    ~Main() override;

    // The load handler: the window's remembered size, settings, saved servers, message sets,
    // options, then the automatic connect and cycler start when the options ask for them.
    void startup();

    // The workspaces, in tab order, and the one shown.
    int workspaceCount() const;
    Workspace* workspace(int index) const;
    Workspace& current() const;
    // A new workspace, shown.
    Workspace& openWorkspace();
    // Shows the workspace of a listed server, connecting it: its own tab if it has one, the
    // current one while that is still blank, a new one otherwise.
    void openServer(const ServerRecord& record);
    // The open workspace connected (or connecting) to the server "address:port", if any.
    Workspace* workspaceFor(const QString& entry) const;
    ServerListPanel& serverList() const { return *m_serverList; }
    FleetSendBar& fleetSend() const { return *m_fleetSend; }
    // Closes a workspace's tab: its server disconnects and its logs are saved as the options
    // ask. The last workspace is never closed; it is left empty instead.
    void closeWorkspace(int index);

    // The current workspace's parts, as one server's window had them.
    Session& session() { return current().session(); }
    MainWidgets widgets() const;
    const Pages& pages() const { return current().pages(); }
    LogActions& logs() { return current().logs(); }
    ConnectController& connection() { return current().connection(); }
    ProgressNotice* progressNotice() const { return current().progressNotice(); }
    ProfileFile& settings() { return m_settings; }
    // The current workspace's outputs.
    void appendRcon(const QString& text) { current().appendRcon(text); }
    void addMessage(const QString& text) { current().addMessage(text); }
    void showProgress(const QString& text) { current().showProgress(text); }
    void hideProgress() { current().hideProgress(); }
    SharedState& shared() { return m_shared; }
    HistoryController& history() { return *m_history; }

    void openPreferences();
    void openHob();
    void openAbout();
    static void openurl(const QUrl& url);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSideColumn();
    void buildMenus();
    void buildShortcuts();
    void fitToScreen();
    void currentChanged();
    void showTitle(Workspace* workspace);
    // The file beside the settings file that remembers the window's geometry and splitter.
    QString windowStateFile();
    // The servers ("address:port") open when the window last closed, and which was shown.
    struct OpenTabs {
        QStringList servers;
        int shown = -1;
    };
    // Restores the window's geometry and splits; gives back the servers it had open.
    OpenTabs restoreWindowState();
    void saveWindowState();
    void loadSavedServers();
    // Writes the server list; false (after a box) when the file could not take it.
    bool saveServerList();
    void sendToTicked(fleetplans::Kind kind, const QString& text);
    // Preferences saved: a changed automatic connect marks its server in the list.
    void startupServerChosen(const QSet<QString>& keys);
    void startCyclerIfAsked();
    // The unload handler; returns false when the operator chose to stay.
    bool shutdown();

    Dialogs& m_dialogs;
    SharedState m_shared;
    ProfileFile m_settings;
    QSplitter* m_split = nullptr;
    QTabWidget* m_tabs = nullptr;
    QStackedWidget* m_strips = nullptr;
    ServerListPanel* m_serverList = nullptr;
    FleetSendBar* m_fleetSend = nullptr;
    int m_recordsInFile = 0; // how many servers the settings file numbers
    QLineEdit* m_prefix = nullptr;
    QPushButton* m_sendMessage = nullptr;
    QPushButton* m_exit = nullptr;
    SavedServersController* m_saved = nullptr;
    HistoryController* m_history = nullptr;
    QPointer<PreferencesDialog> m_prefs;
    QPointer<HobWindow> m_hob;
    QPointer<AboutDialog> m_about;
    bool m_prefixChanged = false;
    bool m_started = false; // the start-up has read the settings
    bool m_closing = false;
    bool m_shownBefore = false;
};
