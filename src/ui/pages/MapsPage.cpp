#include "MapsPage.h"

#include "app/Session.h"

MapsPage::MapsPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageMaps"));
}

void MapsPage::commmap_restart_Click() {}
void MapsPage::commmap_rotate_Click() {}
