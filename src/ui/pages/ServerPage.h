#pragma once

#include <QWidget>

class Session;
class FriendlyFireFrame;

// The "Server" page: server basics, join password and friendly fire.
class ServerPage : public QWidget {
    Q_OBJECT
public:
    explicit ServerPage(Session& session, QWidget* parent = nullptr);

    FriendlyFireFrame* friendlyFire() const { return m_ff; }

private:
    Session& m_session;
    FriendlyFireFrame* m_ff;
};
