#pragma once

#include <QWidget>

class Session;

// The "Weapons" page.
class WeaponsPage : public QWidget {
    Q_OBJECT
public:
    explicit WeaponsPage(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
