#pragma once

#include "Exchange.h"
#include "Outcome.h"

#include <QList>
#include <QString>

#include <functional>

struct Step;
using Plan = QList<Step>;

// What a read step makes of its reply: the steps that follow from it, sent before the rest of
// the plan, or the end of the sequence.
struct ReadResult {
    Plan then;
    bool stop = false;

    static ReadResult stopHere() { return {{}, true}; }
    static ReadResult goOn(Plan then = {}) { return {std::move(then), false}; }
};
// Reads the reply of a step that went (answered or not). Its verdict is the reader's: the plan
// neither logs nor shows anything for a read step.
using Reader = std::function<ReadResult(const Reply& reply, const Outcome& outcome)>;

// One command of a sequence a button sends.
struct Step {
    Request request;
    // The message-log line written once the server took the command; empty writes nothing.
    QString logLine;
    // Clock seconds the server needs to act on this command before the next one goes (beyond
    // the client's own pacing).
    double waitAfter = 0;
    // What the command sets, as the log names it. When the reply says the server did not take
    // the command, the log reads "<subject> not changed: <why>" instead of the log line.
    QString subject;
    // What the command does, as the log names it: when the server refuses it the log reads
    // "<what> not done: <the server's words>", when it does not answer "<what>: no answer
    // from the server (it may have been applied)". Empty: the log line stands for it.
    QString what;
    // A "say" that tells the players what the steps before it did: it goes only when the
    // server took every one of them.
    bool announces = false;
    // A read step: what the reply says decides what goes next.
    Reader read;
    // The status bar shows this while the step is under way; empty leaves it as it is.
    QString progress;
    // For the audit log, where the plan names nobody itself: the player the command acts on,
    // and why (a step the program sends on its own, such as an automatic kick).
    QString player;
    QString reason;

    friend bool operator==(const Step& a, const Step& b) {
        return a.request.command == b.request.command && a.request.echo == b.request.echo &&
               a.request.quiet == b.request.quiet &&
               a.request.waitForReply == b.request.waitForReply && a.logLine == b.logLine &&
               a.waitAfter == b.waitAfter && a.subject == b.subject && a.what == b.what &&
               a.announces == b.announces && bool(a.read) == bool(b.read) &&
               a.progress == b.progress && a.player == b.player && a.reason == b.reason;
    }
};

// A step that sets something, logged as "<what> updated..." or "<what> changed...": when
// the server does not take it, the log says "<what> not changed: <why>" instead.
Step settingStep(const Request& request, const QString& logLine);
// The same, naming the setting itself: a log line in another language than English need not
// start with what it sets.
Step settingStep(const Request& request, const QString& logLine, const QString& subject);
// A step that does something, logged as logLine when taken and as "<what> not done: ..." when
// refused.
Step actionStep(const Request& request, const QString& logLine, const QString& what);
// A "say" that announces what the steps before it did.
Step announcementStep(const Request& request, const QString& logLine = {});
// A step whose reply `read` reads; the status bar shows `progress` meanwhile.
Step readStep(const Request& request, Reader read, const QString& progress = {});
