#include "MiscPage.h"

#include "app/Session.h"

MiscPage::MiscPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageMisc"));
}

void MiscPage::connectPresets() {}
void MiscPage::showServerRotation(const QString&) {}
void MiscPage::setCfgNames(const QStringList&) {}
void MiscPage::clearForDisconnect() {}
