#include "WaitClock.h"

#include <QtGlobal>

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
