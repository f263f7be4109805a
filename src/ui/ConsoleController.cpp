#include "ConsoleController.h"

#include "MainWidgets.h"
#include "app/Session.h"

ConsoleController::ConsoleController(Session& session, MainWidgets& widgets, QObject* parent)
    : QObject(parent), m_session(session), m_widgets(widgets) {}

void ConsoleController::cmdsend_Click() {}
void ConsoleController::cmdstatus_Click() {}
void ConsoleController::cmsserverinfo_Click() {}
