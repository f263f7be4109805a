#include "SavedServersController.h"

#include "MainWidgets.h"
#include "app/Session.h"

SavedServersController::SavedServersController(Session& session, MainWidgets& widgets,
                                               QObject* parent)
    : QObject(parent), m_session(session), m_widgets(widgets) {}

void SavedServersController::Saveserver_Click() {}
void SavedServersController::removeserver_Click() {}
