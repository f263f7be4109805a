#pragma once

#include "app/Session.h"
#include "base/WaitClock.h"
#include "rcon/RconClient.h"
#include "support/Harness.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

// Shows the main window on page and makes it active, so that focus moves can be checked.
inline void showPage(Harness& h, QWidget* page) {
    h.main->widgets().SSTab->setCurrentWidget(page);
    h.main->show();
    QApplication::setActiveWindow(h.main.get());
    QVERIFY(QTest::qWaitForWindowActive(h.main.get()));
}

// The message log, oldest line first.
inline QStringList logOldestFirst(const Harness& h) {
    QStringList lines = h.messageLog();
    std::reverse(lines.begin(), lines.end());
    return lines;
}

// Fails unless every rcon datagram the client sent left at least kGapAfterReplySeconds after
// the one before (the server drops what comes within half a second). Read on the client's own
// clock, as it decided them, so neither the network nor a loaded machine shortens the gaps.
inline void verifyPaced(const Harness& h) {
    const QList<qint64> at = h.main->session().client().rconSentAtMs();
    const qint64 least = WaitClock::instance().toMs(RconClient::kGapAfterReplySeconds);
    for (int i = 1; i < at.size(); ++i)
        QVERIFY2(at.at(i) - at.at(i - 1) >= least,
                 qPrintable(QString("gap %1: %2 ms").arg(i).arg(at.at(i) - at.at(i - 1))));
}

// The message boxes shown so far, each as "title | text | icon | buttons".
inline QStringList boxesShown(const Harness& h) {
    static const char* const icons[] = {"None", "Information", "Exclamation", "Question",
                                        "Critical"};
    static const char* const buttons[] = {"Ok", "OkCancel", "YesNo", "RetryCancel"};
    QStringList boxes;
    for (const ScriptedDialogs::Shown& box : h.dialogs.messages())
        boxes << box.title + " | " + box.text + " | " + icons[int(box.icon)] + " | " +
                     buttons[int(box.buttons)];
    return boxes;
}
