#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

// The one clock behind every wait of the program: pauses, the reply wait and the pacing
// of commands. It is monotonic, so a wait across midnight or a clock change still ends.
// Tests shorten its second; the program always waits real seconds.
class WaitClock : public QObject {
    Q_OBJECT
public:
    static WaitClock& instance();

    void setSecondMs(int ms);
    int secondMs() const { return m_secondMs; }
    qint64 toMs(double seconds) const { return qint64(seconds * m_secondMs); }

    // Milliseconds since the clock started, on the monotonic clock.
    qint64 nowMs() const { return m_elapsed.elapsed(); }

    // Waits the given clock seconds while user-interface events run. Ends early when
    // `done` is given and returns true; it is checked at every poke() and on a short poll.
    // Returns whether `done` ended the wait.
    bool wait(double seconds, const std::function<bool()>& done = {});

    // Asks every running wait to check its condition now (new data has arrived).
    void poke() { emit poked(); }

signals:
    void poked();

private:
    WaitClock();
    QElapsedTimer m_elapsed;
    int m_secondMs = 1000;
};

// Waits about n seconds while user-interface events run.
void pausesecs(double n);
