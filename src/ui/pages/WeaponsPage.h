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

    void cmdpopwep_Click();
    void cmdwepsetserv_Click();
    void cmdriflesonly_Click();
    void cmdnosnipers_Click();
    void cmdwepselall_Click();
    void cmdwepunselall_Click();

private:
    void setAll(int state);

    Session& m_session;
    QList<BoundControl*> m_boxes; // in the order of the weapon table
};
