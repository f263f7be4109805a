#include "Settle.h"

#include "base/WaitClock.h"
#include "rcon/RconClient.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

bool waitUntilIdle(const RconClient& client, double seconds) {
    const QDeadlineTimer deadline(WaitClock::instance().toMs(seconds));
    for (;;) {
        // Events already due may start another exchange: idle only counts after them, and
        // the server in this process has read what the last request sent.
        QCoreApplication::processEvents();
        if (client.idle()) {
            QCoreApplication::processEvents();
            if (client.idle())
                return true;
        }
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QObject::connect(&client, &RconClient::idleNow, &loop, &QEventLoop::quit);
        QTimer::singleShot(int(qMax<qint64>(1, deadline.remainingTime())), &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}
