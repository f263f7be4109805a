#pragma once

#include "messages/CyclerLogic.h"

#include <QWidget>

class Session;
class ProfileFile;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QToolButton;

// The "Messages" page: message sets and the message cycler.
class MessagesPage : public QWidget {
    Q_OBJECT
public:
    MessagesPage(Session& session, ProfileFile& settings, QWidget* parent = nullptr);

    // Start-up: loads the message sets from the settings file and shows the first set.
    void loadSets();
    // A workspace opened later: shows the sets all servers share, as loaded.
    void showSets();
    // Unsaved message-set changes exist (the "Save Sets" button is enabled).
    bool hasUnsavedChanges() const;
    bool cyclerRunning() const;
    // Stops the cycler as its Stop button does.
    void stopCycler();
    // Start-up with the "automessage" option: interval, set number, then Start without a
    // question or a box.
    void autoStart(qint16 messagetime, qint16 messageset);
    // The "Send Message" button of the main window, with the user prefix typed there.
    void sendOneOffMessage(const QString& userPrefix);

    // Message sets.
    void setChosen();
    void messageDoubleClicked();
    void messageEdited();
    void moveMessageUp();
    void moveMessageDown();
    void deleteMessage();
    void deleteSetClicked();
    void discardSetsClicked();
    void saveSetsClicked();

    // The cycler.
    // Start: the operator's (interactive: asks first, says why it cannot) or the start-up's.
    void startCycler(bool interactive);
    void stopCyclerClicked();
    // One minute tick of the timer "tmrmessage".
    void cyclerTick();
    void intervalEdited();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSetsFrame();
    QWidget* buildCyclerFrame();
    void setPending(bool pending);
    void showFreeSets();
    void showSet(int slot);
    int selectedMessageRow() const;
    void moveSelectedMessage(int step);
    void refocusLater(QWidget* widget);
    // A placeholder's value read from the server before a broadcast.
    struct LiveValue {
        QString listing;
        QString variable;
        QString cycler::PlaceholderValues::*field;
    };
    // Reads the listings one after the other, then broadcasts the message with the values.
    void broadcastWhenRead(const QString& message, cycler::PlaceholderValues values,
                           QList<LiveValue> listings);

    Session& m_session;
    ProfileFile& m_settings;

    QComboBox* m_setChooser = nullptr;
    QLineEdit* m_freeSets = nullptr;
    QListWidget* m_setMessages = nullptr;
    QLineEdit* m_messageEditor = nullptr;
    QToolButton* m_moveUp = nullptr;
    QToolButton* m_moveDown = nullptr;
    QToolButton* m_deleteMessage = nullptr;
    QPushButton* m_saveSets = nullptr;
    QPushButton* m_deleteSet = nullptr;
    QPushButton* m_discardSets = nullptr;

    QLineEdit* m_cyclerInterval = nullptr;
    QPushButton* m_startCycler = nullptr;
    QPushButton* m_stopCycler = nullptr;
    QTimer* m_cyclerTimer = nullptr;
    // Owns the cycler's exchanges, so that only its own broadcast holds back the next tick
    // (not a message sent from this page meanwhile).
    QObject* m_cyclerWork = nullptr;

    bool m_messageChanged = false;
    bool m_intervalChanged = false;
    bool m_inSetSelection = false;
    // Used by the tick while the interval box holds something that is not 1 to 10.
    int m_lastValidInterval = 3;
};
