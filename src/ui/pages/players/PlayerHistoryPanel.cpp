#include "PlayerHistoryPanel.h"

#include "PlayerGrid.h"

#include "app/Session.h"
#include "players/PlayerHistoryText.h"
#include "players/PlayerNames.h"
#include "players/PlayerSightings.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

bool historyKept(const HistoryStore* history) {
    return history && history->isKept();
}

} // namespace

PlayerHistoryPanel::PlayerHistoryPanel(Session& session, const PlayerGrid& grid, QWidget* parent)
    : QGroupBox(tr("History"), parent), m_session(session), m_grid(grid), m_text(new QLabel) {
    setObjectName(QStringLiteral("playerhistory"));
    m_text->setObjectName(QStringLiteral("lblplayerhistory"));
    m_text->setAccessibleName(tr("Player history"));
    m_text->setTextFormat(Qt::PlainText); // names are the players' own text
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrplayerhistory"));
    scroll->setWidget(m_text);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(scroll);
    connect(&grid, &QTableWidget::itemSelectionChanged, this,
            &PlayerHistoryPanel::selectionChanged);
    selectionChanged();
}

QString PlayerHistoryPanel::text() const {
    return m_text->text();
}

void PlayerHistoryPanel::showEvent(QShowEvent* event) {
    QGroupBox::showEvent(event);
    selectionChanged();
}

void PlayerHistoryPanel::selectionChanged() {
    const quint64 asked = ++m_asked;
    HistoryStore* history = m_session.state().history;
    if (!historyKept(history)) {
        m_text->setText(tr("No history is kept (Preferences)."));
        return;
    }
    const std::optional<PlayerGrid::Selected> player = m_grid.selectedPlayer();
    if (!player) {
        m_text->setText(tr("Select a player to see what the history knows of them."));
        return;
    }
    m_text->setText(tr("Looking up..."));
    history->lookUpPlayer(playerIp(player->occupant.address), player->guid,
                          stripcolours(player->occupant.name).trimmed(), this,
                          [this, asked](const PlayerHistory& found) {
                              if (asked == m_asked)
                                  m_text->setText(playerHistoryText(found));
                          });
}
