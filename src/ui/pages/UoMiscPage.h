#pragma once

#include <QList>
#include <QWidget>

class Session;
class BoundControl;

// The "UO: Misc" page: the United Offensive weapon, vehicle and option switches.
class UoMiscPage : public QWidget {
    Q_OBJECT
public:
    explicit UoMiscPage(Session& session, QWidget* parent = nullptr);

    // Index 1 reads the switches from the server, index 0 sends the changed ones; any
    // other index does nothing.
    void cmdUOwep_Click(int index);

private:
    void populate();
    void send();

    Session& m_session;
    QList<BoundControl*> m_boxes; // chkUOwep by index
};
