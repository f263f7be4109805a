#include "ModsPage.h"

#include "app/Session.h"

ModsPage::ModsPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageMods"));
}
