#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

// One thing to ask the server: an rcon command, or the public status query.
struct Request {
    QString command;
    // The public status query ("getstatus"): no "rcon", no password, not paced with the rcon
    // commands; tried once and given a few seconds, with no box of its own.
    bool outOfBand = false;
    // The reply stays out of the RCON pane and its runs of blanks are collapsed: a listing
    // the program reads for itself.
    bool quiet = false;
    // The pane shows ">>RCON sent [time] command" above the reply.
    bool echo = true;
    // False: sent and done. For commands after which the server is busy (map loads and
    // restarts) and for lines typed by the operator, whose answers come as they come.
    bool waitForReply = true;
    // A command after which the server loads a map: it answers only to refuse, so it goes once
    // and a short silence counts as taken.
    bool silenceIsTaken = false;
    // False: sent once, never again while unanswered, and no box when nothing comes back (a
    // message the players would read twice).
    bool resend = true;
    // False: the requester tells the operator itself when every attempt went unanswered, so
    // the client shows no box of its own.
    bool boxWhenUnanswered = true;
    // Where the operator typed the text, named in the box when the text cannot be sent.
    QString origin;
    // A line the operator typed at a console: the audit log files it as typed, whatever it does.
    bool typed = false;

    // A command whose reply the operator sees in the pane, with the echo line.
    static Request shown(const QString& command) { return {command}; }
    // A command whose reply shows in the pane, without the echo line.
    static Request unechoed(const QString& command) { return {command, false, false, false}; }
    // A listing the program reads itself: nothing in the pane.
    static Request listing(const QString& command) { return {command, false, true, false}; }
    // Sent and not waited for.
    static Request noWait(const QString& command) { return {command, false, false, false, false}; }
    // A map load or restart: sent once, answered only by a refusal.
    static Request loading(const QString& command) {
        Request request{command, false, false, false};
        request.silenceIsTaken = true;
        return request;
    }
    // A message to the players: waited for, never repeated.
    static Request message(const QString& command) {
        Request request = unechoed(command);
        request.resend = false;
        return request;
    }
    Request& from(const QString& field) {
        origin = field;
        return *this;
    }
    // Marks a line the operator typed at a console.
    Request& typedAtConsole() {
        typed = true;
        return from(QCoreApplication::translate("Request", "console command"));
    }
    // The public status query.
    static Request statusQuery() { return {QStringLiteral("getstatus"), true, true, false}; }
};

struct Reply {
    enum class Status {
        Replied,      // the text holds every datagram of the reply, in arrival order
        NoReply,      // sent (and sent again) but never answered
        Sent,         // sent and not waited for
        Silent,       // a map load or restart went and the server said nothing: it is loading
        NotConnected, // refused: no server connected, nothing sent
        NoRoute,      // refused: the server's network cannot be reached, nothing sent
        SendFailed,   // refused: the datagram could not be sent
        Unsendable,   // refused: the code page cannot hold the text, or it is too long
        Cancelled,    // withdrawn before it went: a disconnect or a cancel
    };
    Status status = Status::Cancelled;
    QString text; // framing removed; empty unless Replied

    // The command left for the server (it may have acted on it even without an answer).
    bool went() const {
        return status == Status::Replied || status == Status::NoReply || status == Status::Sent ||
               status == Status::Silent;
    }
};

using ReplyHandler = std::function<void(const Reply&)>;
