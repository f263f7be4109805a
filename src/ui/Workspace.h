#pragma once

#include "MainWidgets.h"
#include "app/Session.h"
#include "rcon/OutputSink.h"

#include <QWidget>

class Dialogs;
class ProfileFile;
class ProgressNotice;
class LogActions;
class ConnectController;
class ConsoleController;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSplitter;

// One server's workspace: its connection row, its pages, its console and message log, and
// its status strip, over a session of its own (client, socket, queue). Several live side by
// side in the window's tabs and work in parallel.
class Workspace : public QWidget, public OutputSink {
    Q_OBJECT
public:
    // The RCON pane keeps this many lines; older ones drop off the top.
    static constexpr int kRconPaneLines = 5000;

    Workspace(Dialogs& dialogs, SharedState& shared, ProfileFile& settings,
              QWidget* parent = nullptr);
    ~Workspace() override;

    Session& session() { return m_session; }
    const MainWidgets& widgets() const { return m_w; }
    const Pages& pages() const { return m_pages; }
    LogActions& logs() { return *m_logs; }
    ConnectController& connection() { return *m_connect; }
    ProgressNotice* progressNotice() const { return m_progress; }
    // The status strip for the window's status bar; it lives and dies with the workspace.
    QWidget* statusStrip() const { return m_strip; }
    QSplitter* body() const { return m_body; }

    // The tab's caption: the server as typed, or "New server" before one is.
    QString title() const;
    // Fills the connection row (when it is not locked by a connection).
    void setServer(const QString& address, const QString& port, const QString& password);
    // Whether the workspace is still unused: never connected, no password typed.
    bool isBlank() const;

    // Stops the cycler and the auto update, disconnects, and saves the logs as the options
    // ask; false when the operator chose to keep unsaved message sets open instead.
    void closeDown();

    // OutputSink
    void appendRcon(const QString& text) override;
    void addMessage(const QString& text) override;
    void showProgress(const QString& text, ProgressMode mode = ProgressMode::Replace) override;
    using OutputSink::hideProgress;
    void showRefusal(const QString& text) override;
    bool activeWindowMinimised() const override;

signals:
    void titleChanged();
    void openHobRequested();
    void hobSiteRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The address and port boxes remember, for the running program, what was left in them.
    void remember(QComboBox* box);
    QWidget* buildConnectionRow();
    QWidget* buildConsole();
    void buildPages(ProfileFile& settings);
    void buildStatusStrip();
    void showConnection();
    void showBusy();

    Session m_session;
    MainWidgets m_w;
    Pages m_pages;
    QSplitter* m_body = nullptr;
    QWidget* m_strip = nullptr;
    ProgressNotice* m_progress = nullptr;
    QLabel* m_connectionText = nullptr;
    QLabel* m_refusal = nullptr;
    QProgressBar* m_busy = nullptr;
    QPushButton* m_cancel = nullptr;
    QString m_gameStatus; // "game type x, map y" once the connect has read them
    LogActions* m_logs = nullptr;
    ConnectController* m_connect = nullptr;
    ConsoleController* m_console = nullptr;
};
