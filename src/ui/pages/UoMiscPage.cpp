#include "UoMiscPage.h"

#include "app/Session.h"

UoMiscPage::UoMiscPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageUoMisc"));
}
