#pragma once

#include <QWidget>

class MessageCycler;
class MessageSetEditor;
class ProfileFile;
class Session;

// The "Messages" page: the message sets all servers share, above this server's cycler.
class MessagesPage : public QWidget {
    Q_OBJECT
public:
    MessagesPage(Session& session, ProfileFile& settings, QWidget* parent = nullptr);

    // Start-up: loads the message sets from the settings file and shows the first set.
    void loadSets();
    // A workspace opened later: shows the sets all servers share.
    void showSets();
    // Unsaved message-set changes exist (the "Save Sets" button is enabled).
    bool hasUnsavedChanges() const;
    // Start-up with the "automessage" option: interval, set number, then Start without a
    // question or a box.
    void autoStart(qint16 messagetime, qint16 messageset);

    void setChosen();
    void messageEdited();
    void cyclerTick();
    void intervalEdited();

private:
    Session& m_session;
    MessageSetEditor* m_setEditor = nullptr;
    MessageCycler* m_cycler = nullptr;
};
