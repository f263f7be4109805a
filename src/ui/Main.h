#pragma once

#include "MainWidgets.h"
#include "app/Session.h"
#include "rcon/OutputSink.h"
#include "settings/ProfileFile.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class Dialogs;
class ProgressNotice;
class LogActions;
class ConnectController;
class ConsoleController;
class SavedServersController;
class PreferencesDialog;
class HobWindow;
class AboutDialog;
class QMenu;
class QLabel;
class QProgressBar;
class QPushButton;
class QSplitter;

// The main window. It lays out the connection row, the logs and the ten pages, and wires
// the menus and pages together; the pages and controllers hold the behaviour.
class Main : public QMainWindow, public OutputSink {
    Q_OBJECT
public:
    // The RCON pane keeps this many lines; older ones drop off the top.
    static constexpr int kRconPaneLines = 5000;

    // The files go where `files` says (the settings file is read at startup()).
    Main(Dialogs& dialogs, const FileLocations& files, QWidget* parent = nullptr);
    ~Main() override;

    // The load handler: the window's remembered size, settings, saved servers, message sets,
    // options, then the automatic connect and cycler start when the options ask for them.
    void startup();

    Session& session() { return m_session; }
    const MainWidgets& widgets() const { return m_w; }
    const Pages& pages() const { return m_pages; }
    ProfileFile& settings() { return m_settings; }
    LogActions& logs() { return *m_logs; }
    ConnectController& connection() { return *m_connect; }
    ProgressNotice* progressNotice() const { return m_progress; }

    // OutputSink
    void appendRcon(const QString& text) override;
    void addMessage(const QString& text) override;
    void showProgress(const QString& text, ProgressMode mode = ProgressMode::Replace) override;
    using OutputSink::hideProgress;
    void showRefusal(const QString& text) override;
    bool activeWindowMinimised() const override;

    void openPreferences();
    void openHob();
    void openAbout();
    static void openurl(const QUrl& url);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildConnectionRow();
    QWidget* buildLeftColumn();
    void buildPages();
    void buildMenus();
    void buildStatusBar();
    void showConnection();
    void showBusy();
    void cancelClicked();
    void fitToScreen();
    // The file beside the settings file that remembers the window's geometry and splitter.
    QString windowStateFile();
    void restoreWindowState();
    void saveWindowState();
    void loadSavedServers();
    void startCyclerIfAsked();
    // The unload handler; returns false when the operator chose to stay.
    bool shutdown();

    Session m_session;
    ProfileFile m_settings;
    MainWidgets m_w;
    Pages m_pages;
    ProgressNotice* m_progress = nullptr;
    QSplitter* m_body = nullptr;
    QLabel* m_connectionText = nullptr;
    QLabel* m_refusal = nullptr;
    QProgressBar* m_busy = nullptr;
    QPushButton* m_cancel = nullptr;
    QString m_gameStatus; // "game type x, map y" once the connect has read them
    LogActions* m_logs = nullptr;
    ConnectController* m_connect = nullptr;
    ConsoleController* m_console = nullptr;
    SavedServersController* m_saved = nullptr;
    QPointer<PreferencesDialog> m_prefs;
    QPointer<HobWindow> m_hob;
    QPointer<AboutDialog> m_about;
    bool m_prefixChanged = false;
    bool m_closing = false;
    bool m_shownBefore = false;
};
