#include "MessagesPage.h"

#include "app/Session.h"
#include "settings/ProfileFile.h"

MessagesPage::MessagesPage(Session& session, ProfileFile& settings, QWidget* parent)
    : QWidget(parent), m_session(session), m_settings(settings) {
    setObjectName(QStringLiteral("pageMessages"));
}

void MessagesPage::loadSets() {}
bool MessagesPage::hasUnsavedChanges() const {
    return false;
}
bool MessagesPage::cyclerRunning() const {
    return false;
}
void MessagesPage::stopCycler() {}
void MessagesPage::autoStart(qint16, qint16) {}
void MessagesPage::sendOneOffMessage(const QString&) {}
