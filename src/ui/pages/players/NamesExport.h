#pragma once

#include <QGroupBox>

class PlayerGrid;
class QCheckBox;
class QPushButton;
class Session;

// "Player log": "Save Names" appends the players listed to playerlist.csv in the data folder.
class NamesExport : public QGroupBox {
    Q_OBJECT
public:
    NamesExport(Session& session, const PlayerGrid& grid, const QCheckBox* queryMode,
                QWidget* parent = nullptr);

    QPushButton* button() const { return m_save; }
    void save();

private:
    Session& m_session;
    const PlayerGrid& m_grid;
    const QCheckBox* m_queryMode;
    QPushButton* m_save;
};
