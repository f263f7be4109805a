#pragma once

#include <QList>
#include <QWidget>

class Session;
class BoundControl;

// The "Weapons" page: the 17 base-game weapon switches, read from and sent to the server,
// with the "Rifles Only" and "No Snipers" presets.
class WeaponsPage : public QWidget {
    Q_OBJECT
public:
    explicit WeaponsPage(Session& session, QWidget* parent = nullptr);

    void populateClicked();
    void sendClicked();
    void riflesOnlyClicked();
    void noSnipersClicked();

private:
    void setAll(int state);

    Session& m_session;
    QList<BoundControl*> m_boxes; // in the order of the weapon table
};
