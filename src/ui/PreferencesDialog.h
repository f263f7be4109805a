#pragma once

#include <QDialog>
#include <QSet>
#include <QString>

class Session;
class ProfileFile;
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

    QCheckBox* m_moptsr = nullptr;
    QCheckBox* m_moptsm = nullptr;
    QCheckBox* m_chkclearRnews = nullptr;
    QCheckBox* m_chkclearMnews = nullptr;
    QCheckBox* m_moptrc = nullptr;
    QCheckBox* m_moptqp = nullptr;
    QCheckBox* m_chkautoplayer = nullptr;
    QSlider* m_sldautoplayer = nullptr;
    QLabel* m_autoplayerValue = nullptr;
    QCheckBox* m_chkauto999 = nullptr;
    QSlider* m_sldauto999 = nullptr;
    QLabel* m_auto999Value = nullptr;
    QCheckBox* m_chkautoconnect = nullptr;
    QLineEdit* m_txtserv = nullptr;
    QLineEdit* m_txtport = nullptr;
    QLineEdit* m_txtpass = nullptr;
    QCheckBox* m_chkautomessages = nullptr;
    QLineEdit* m_txtmesset = nullptr;
    QLineEdit* m_txtmessint = nullptr;
};
