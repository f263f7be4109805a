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

    void populateClicked();
    void sendClicked();
    void setPasswordClicked();
    void removePasswordClicked();

private:
    // Sets the controls read from one listing; false when the reply cannot be trusted.
    bool applyListing(qsizetype index, const QString& reply);

    Session& m_session;
    FriendlyFireFrame* m_ff;
    QList<BoundControl*> m_fields; // in the order of the server-basics table
    QLineEdit* m_password = nullptr;
};
