#pragma once

#include "settings/HistorySettings.h"

#include <QDialog>
#include <QSet>
#include <QString>

class Session;
class ProfileFile;
class HistoryPreferences;
class LanguagePreferences;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;

// "Vostrel - Preferences": the options of the settings file. Only what the operator changed
// is saved; saved values take effect at once. Return saves, as the Save button does; Escape
// leaves, as Close does.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(Session& session, ProfileFile& settings, QWidget* parent = nullptr);

    // Fills the controls from the shared state (the window's load).
    void fill();

    void saveClicked();
    // Closes the window; asks first when something was changed and not saved.
    void closeClicked();

    // The option keys whose control carries the changed mark.
    QSet<QString> changedKeys() const { return m_changed; }

signals:
    // Every change was written; `keys` are the option keys the operator had changed.
    void saved(const QSet<QString>& keys);
    // The history is to be kept elsewhere (or not at all) from now on.
    void historySaved(const HistorySettings& settings);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QCheckBox* checkBox(const char* name, const QString& caption, const char* key);
    QLineEdit* textBox(const char* name, const char* key, int maxLength = 0);
    QSlider* slider(const char* name, const QString& tip, int low, int high, int step, int page,
                    int initial, const char* boxKey, QLabel** valueLabel);
    void mark(const QString& key);
    void updateDependents();
    void reportWriteFailure(const QString& what, int code, const QString& description);

    Session& m_session;
    ProfileFile& m_settings;
    QSet<QString> m_changed;
    bool m_filling = false;

    QCheckBox* m_saveRconOption = nullptr;
    QCheckBox* m_saveMessagesOption = nullptr;
    QCheckBox* m_clearRconOption = nullptr;
    QCheckBox* m_clearMessagesOption = nullptr;
    QCheckBox* m_removeColoursOption = nullptr;
    QCheckBox* m_queryOption = nullptr;
    QCheckBox* m_autoPlayersOption = nullptr;
    QSlider* m_autoPlayersSeconds = nullptr;
    QLabel* m_autoplayerValue = nullptr;
    QCheckBox* m_autoKick999Option = nullptr;
    QSlider* m_autoKick999Checks = nullptr;
    QLabel* m_auto999Value = nullptr;
    QCheckBox* m_autoConnectOption = nullptr;
    QLineEdit* m_startupServer = nullptr;
    QLineEdit* m_startupPort = nullptr;
    QLineEdit* m_startupPassword = nullptr;
    QCheckBox* m_autoMessagesOption = nullptr;
    QLineEdit* m_startupSet = nullptr;
    QLineEdit* m_startupInterval = nullptr;
    HistoryPreferences* m_history = nullptr;
    LanguagePreferences* m_language = nullptr;
};
