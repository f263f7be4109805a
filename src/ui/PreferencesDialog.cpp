#include "PreferencesDialog.h"

#include "app/Session.h"
#include "settings/ProfileFile.h"

PreferencesDialog::PreferencesDialog(Session& session, ProfileFile& settings, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_settings(settings) {
    setObjectName(QStringLiteral("frmpref"));
    setWindowTitle(QStringLiteral("Vostrel - Preferences"));
}

void PreferencesDialog::fill() {}
