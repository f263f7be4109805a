#pragma once

#include "serverconfig/GameTypeSwitch.h"

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class Session;

// The "COD Modes" page: the base game's instant game-type switch and the limits of its six
// game types.
class CodModesPage : public QWidget {
    Q_OBJECT
public:
    explicit CodModesPage(Session& session, QWidget* parent = nullptr);

    // The switch buttons; an index outside 0 to 5 does nothing.
    void switchGameType(int index);
    // "Set" and "Defaults" of the settings frame at page (0 Search and Destroy, 1 Retrieval,
    // 2 Behind Enemy Lines, 3 Deathmatch, 4 Team Deathmatch, 5 Headquarters).
    void setClicked(int page);
    void defaultsClicked(int page);
    // "Populate from server" of the frame at page: its fields take the server's values.
    void populateClicked(int page);

private:
    QWidget* buildSettingsFrame(int page, int& labelIndex);

    Session& m_session;
    QList<QList<QLineEdit*>> m_fields; // per page, in table order
    QList<QLabel*> m_sources;          // per page: where the values shown come from
    QList<QPushButton*> m_setButtons;  // and the populate buttons: off while the page works
};
