#pragma once

#include <QWidget>

class Session;
class ProfileFile;

// The "Messages" page: message sets and the message cycler.
class MessagesPage : public QWidget {
    Q_OBJECT
public:
    MessagesPage(Session& session, ProfileFile& settings, QWidget* parent = nullptr);

    // Start-up: loads the message sets from the settings file and shows the first set.
    void loadSets();
    // Unsaved message-set changes exist (the "Save Sets" button is enabled).
    bool hasUnsavedChanges() const;
    bool cyclerRunning() const;
    // Stops the cycler as its Stop button does.
    void stopCycler();
    // Start-up with the "automessage" option: interval, set number, then Start with the
    // automatic flag raised.
    void autoStart(qint16 messagetime, qint16 messageset);
    // The "Send Message" button of the main window, with the user prefix typed there.
    void sendOneOffMessage(const QString& userPrefix);

private:
    Session& m_session;
    ProfileFile& m_settings;
};
