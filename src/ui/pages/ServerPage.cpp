#include "ServerPage.h"

#include "FriendlyFireFrame.h"
#include "app/Session.h"

#include <QVBoxLayout>

ServerPage::ServerPage(Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_ff(new FriendlyFireFrame(session, this)) {
    setObjectName(QStringLiteral("pageServer"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ff);
    layout->addStretch();
}
