#pragma once

#include <QWidget>

class Session;

// The "UO: Modes" page.
class UoModesPage : public QWidget {
    Q_OBJECT
public:
    explicit UoModesPage(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
