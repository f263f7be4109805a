#pragma once

#include <QStringList>
#include <QWidget>

class Session;

// The "Misc" page: the map rotation editor and CFG execution.
class MiscPage : public QWidget {
    Q_OBJECT
public:
    explicit MiscPage(Session& session, QWidget* parent = nullptr);

    // Connect: "Server did not give rotation." in bold, copy buttons off, the CFG list
    // holding "No CFGs on server", Exec off.
    void connectPresets();
    // Connect: the rotation the server gave, copy buttons on, normal weight.
    void showServerRotation(const QString& rotation);
    // Connect: the CFG names (without ".cfg"); Exec on and the first selected when any.
    void setCfgNames(const QStringList& names);
    // Disconnect: empties the rotation box and the CFG list, Exec off.
    void clearForDisconnect();

private:
    Session& m_session;
};
