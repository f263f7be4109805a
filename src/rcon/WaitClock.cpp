#include "WaitClock.h"

#include <QEventLoop>
#include <QTimer>

WaitClock& WaitClock::instance() {
    static WaitClock clock;
    return clock;
}

WaitClock::WaitClock() {
    m_elapsed.start();
}

void WaitClock::setSecondMs(int ms) {
    m_secondMs = qMax(1, ms);
}

bool WaitClock::wait(double seconds, const std::function<bool()>& done) {
    const qint64 deadline = nowMs() + toMs(seconds);
    if (done && done())
        return true;
    bool ended = false;
    QEventLoop loop;
    auto check = [&] {
        if (done && done()) {
            ended = true;
            loop.quit();
        } else if (nowMs() >= deadline) {
            loop.quit();
        }
    };
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(qBound(1, m_secondMs / 100, 10));
    connect(&poll, &QTimer::timeout, &loop, check);
    connect(this, &WaitClock::poked, &loop, check);
    poll.start();
    QTimer::singleShot(0, &loop, check);
    loop.exec();
    return ended;
}

void pausesecs(double n) {
    WaitClock::instance().wait(n);
}
