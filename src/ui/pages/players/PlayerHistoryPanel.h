#pragma once

#include <QGroupBox>

class PlayerGrid;
class QLabel;
class Session;

// "playerhistory", beside the grid: what the history knows of the player selected there (other
// names at the same address or guid, first and last seen, kicks and bans with their reasons).
// Without a history kept it says so and where to turn it on, rather than hiding: an empty
// place would not tell the operator the feature exists.
class PlayerHistoryPanel : public QGroupBox {
    Q_OBJECT
public:
    PlayerHistoryPanel(Session& session, const PlayerGrid& grid, QWidget* parent = nullptr);

    QString text() const;

protected:
    // The history may have been turned on or off since the panel last said what it knows.
    void showEvent(QShowEvent* event) override;

private:
    void selectionChanged();

    Session& m_session;
    const PlayerGrid& m_grid;
    QLabel* m_text;
    // Only the answer to the latest question is shown; an earlier one may come after it.
    quint64 m_asked = 0;
};
