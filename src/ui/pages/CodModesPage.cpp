#include "CodModesPage.h"

#include "app/Session.h"

CodModesPage::CodModesPage(Session& session, QWidget* parent)
    : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageCodModes"));
}
