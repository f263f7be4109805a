#include "UoModesPage.h"

#include "app/Session.h"

UoModesPage::UoModesPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageUoModes"));
}
