#include "HobWindow.h"

#include "app/Session.h"
#include "serverconfig/GameTypeSwitch.h"

HobWindow::HobWindow(Session& session, GameTypeSwitch& gameTypes, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_gameTypes(gameTypes) {
    setObjectName(QStringLiteral("frmhob"));
    setWindowTitle(QStringLiteral("Heat of Battle server variables"));
}
