#pragma once

#include <QGroupBox>

#include <functional>

class MessageSets;
class QLineEdit;
class QPushButton;
class QTimer;
class Session;

// The "Message Cycler" frame: every few minutes it broadcasts the next message of a saved set
// to its server, reading first the live values the message's placeholders stand for.
class MessageCycler : public QGroupBox {
    Q_OBJECT
public:
    // `chosenSet` gives the set name the operator has in the set box.
    MessageCycler(Session& session, MessageSets& sets, std::function<QString()> chosenSet,
                  QWidget* parent = nullptr);

    bool running() const;
    // Stops the cycler as its Stop button does.
    void stop();
    // Before the sets are written: a running cycler stops, and the status bar says why.
    void stopBeforeSave();
    // Start: the operator's (interactive: asks first, says why it cannot) or the start-up's.
    void start(bool interactive);
    // The start-up's interval, taken as if typed.
    void useInterval(qint16 minutes);
    // One minute tick of the timer "tmrmessage".
    void tick();
    void intervalEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& m_session;
    MessageSets& m_sets;
    std::function<QString()> m_chosenSet;

    QLineEdit* m_interval = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QTimer* m_timer = nullptr;
    // Owns the cycler's broadcasts, so that only its own holds back the next tick (not a
    // message sent to the server meanwhile).
    QObject* m_broadcasts = nullptr;

    bool m_intervalChanged = false;
    // Used by the tick while the interval box holds something that is not 1 to 10.
    int m_lastValidInterval = 3;
};
