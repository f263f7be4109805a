#pragma once

#include "serverconfig/GameTypeSwitch.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Session;

// The "UO: Modes" page: the United Offensive instant game-type switch and the limits of its
// three game types.
class UoModesPage : public QWidget {
    Q_OBJECT
public:
    explicit UoModesPage(Session& session, QWidget* parent = nullptr);

    // The switch buttons; an index outside 0 to 2 does nothing.
    void switchUoMode(int index);
    // The six "Set" and "Defaults" buttons: 0, 2, 4 set and 1, 3, 5 restore Domination,
    // Capture the Flag and Base Assault; other indexes do nothing.
    void uoModeSetClicked(int index);
    // "Populate from server" of a mode's frame: its fields and boxes take the server's values.
    void populateClicked(int mode);

private:
    QWidget* buildSettingsFrame(int mode, int& labelIndex);
    void setMode(int mode);
    void restoreDefaults(int mode);

    Session& m_session;
    QList<QList<QLineEdit*>> m_fields; // per mode, by index
    QList<QList<QCheckBox*>> m_boxes;  // per mode, in send order
    QList<QLabel*> m_sources;          // per mode: where the values shown come from
    QList<QPushButton*> m_buttons;     // the six-button array
    QList<QPushButton*> m_populate;    // per mode
};
