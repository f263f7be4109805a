#pragma once

#include <QElapsedTimer>

// The one clock behind every timer of the program: the reply wait, the pacing of commands,
// the waits of a sequence and the refresh and message timers. It is monotonic, so a wait
// across midnight or a clock change still ends. Tests shorten its second; the program always
// waits real seconds.
class WaitClock {
public:
    static WaitClock& instance();

    void setSecondMs(int ms);
    int secondMs() const { return m_secondMs; }
    qint64 toMs(double seconds) const { return qint64(seconds * m_secondMs); }

    // Milliseconds since the clock started, on the monotonic clock.
    qint64 nowMs() const { return m_elapsed.elapsed(); }

private:
    WaitClock();
    QElapsedTimer m_elapsed;
    int m_secondMs = 1000;
};
