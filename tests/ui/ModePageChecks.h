#pragma once

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

// Fails unless each of the first `count` datagrams received (all: -1) kept the server's rule:
// never less than half a clock second after the one before. (The client keeps a wider gap;
// the in-process server's receive times shift by a few ms under load.)
inline void verifyPaced(const Harness& h, int count = -1) {
    const QList<qint64> at = h.sim.receivedAtMs();
    for (int i = 1; i < (count < 0 ? at.size() : count); ++i)
        QVERIFY2(at.at(i) - at.at(i - 1) >= Harness::kSecondMs / 2,
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
