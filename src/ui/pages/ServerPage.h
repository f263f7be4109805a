#pragma once

#include <QList>
#include <QWidget>

class Session;
class FriendlyFireFrame;
class BoundControl;
class QLineEdit;

// The "Server" page: server basics, join password and friendly fire.
class ServerPage : public QWidget {
    Q_OBJECT
public:
    explicit ServerPage(Session& session, QWidget* parent = nullptr);

    FriendlyFireFrame* friendlyFire() const { return m_ff; }

    void cmdservpop_Click();
    void cmdservsetbasics_Click();
    void cmdservsetpass_Click();
    void cmdservrempass_Click();

private:
    void slowServer();

    Session& m_session;
    FriendlyFireFrame* m_ff;
    QList<BoundControl*> m_fields; // in the order of the server-basics table
    QLineEdit* m_password = nullptr;
};
