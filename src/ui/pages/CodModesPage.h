#pragma once

#include <QWidget>

class Session;

// The "COD Modes" page.
class CodModesPage : public QWidget {
    Q_OBJECT
public:
    explicit CodModesPage(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
