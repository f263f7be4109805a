#pragma once

#include <QWidget>

class Session;
class ProfileFile;

// "Vostrel - Preferences": the options of the settings file.
class PreferencesDialog : public QWidget {
    Q_OBJECT
public:
    PreferencesDialog(Session& session, ProfileFile& settings, QWidget* parent = nullptr);

    // Fills the controls from the shared state (the window's load).
    void fill();

private:
    Session& m_session;
    ProfileFile& m_settings;
};
