#pragma once

#include <QObject>

class Session;
class QWidget;
struct MainWidgets;

// The console of the main window: "Rcon Direct" with its history, "Get Status" and
// "Get Server Info", and the Enter key that sends.
class ConsoleController : public QObject {
    Q_OBJECT
public:
    // Enter sends within scope, the server's workspace.
    ConsoleController(Session& session, MainWidgets& widgets, QWidget* scope,
                      QObject* parent = nullptr);

    void sendClicked();
    void statusClicked();
    void serverInfoClicked();

    // Enter in the workspace: a focused push button takes it, any other control sends.
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The boxes in which Enter moves on to the next control instead of sending.
    bool focusActsAsTab(const QWidget* focus) const;

    Session& m_session;
    MainWidgets& m_widgets;
    QWidget* m_scope;
};
