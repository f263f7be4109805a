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

    void populateClicked();
    void sendClicked();

private:
    Session& m_session;
    QList<BoundControl*> m_boxes; // chkUOwep by index
};
