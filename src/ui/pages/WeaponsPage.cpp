#include "WeaponsPage.h"

#include "app/Session.h"

WeaponsPage::WeaponsPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageWeapons"));
}
