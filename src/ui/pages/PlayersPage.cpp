#include "PlayersPage.h"

#include "app/Session.h"

PlayersPage::PlayersPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pagePlayers"));
}

void PlayersPage::applyStartupOptions(const Options&) {}
void PlayersPage::startAutoUpdate() {}
void PlayersPage::stopAutoUpdateForDisconnect() {}
