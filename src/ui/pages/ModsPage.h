#pragma once

#include <QWidget>

class Session;

// The "Mods" page: the Clanbase preset with its rules text, and the Heat of Battle frame.
class ModsPage : public QWidget {
    Q_OBJECT
public:
    explicit ModsPage(Session& session, QWidget* parent = nullptr);

signals:
    // The mod picture `pichob` was clicked: open the Heat of Battle window.
    void hobWindowRequested();
    // The label "Visit Official Website" was clicked.
    void hobSiteRequested();

private:
    Session& m_session;
};
