#pragma once

#include <QWidget>

class Session;

// The "UO: Misc" page.
class UoMiscPage : public QWidget {
    Q_OBJECT
public:
    explicit UoMiscPage(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
