#include "FriendlyFireFrame.h"

#include "app/Session.h"

FriendlyFireFrame::FriendlyFireFrame(Session& session, QWidget* parent)
    : QGroupBox(parent), m_session(session) {
    setObjectName(QStringLiteral("frmff"));
}

void FriendlyFireFrame::change(int) {}

bool FriendlyFireFrame::selectValue(int) {
    return false;
}
