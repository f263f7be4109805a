#include "ConnectController.h"

#include "LogActions.h"
#include "MainWidgets.h"
#include "app/Session.h"

ConnectController::ConnectController(Session& session, MainWidgets& widgets, Pages& pages,
                                     LogActions& logs, QObject* parent)
    : QObject(parent), m_session(session), m_widgets(widgets), m_pages(pages), m_logs(logs) {}

void ConnectController::cmdconnect_Click() {}
