#pragma once

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
    // Once a reply is in, the pane shows ">>RCON sent [time] command" below it.
    bool echo = true;
    // False: sent and done. For commands after which the server is busy (map loads and
    // restarts) and for lines typed by the operator, whose answers come as they come.
    bool waitForReply = true;

    // A command whose reply the operator sees in the pane, with the echo line.
    static Request shown(const QString& command) { return {command}; }
    // A command whose reply shows in the pane, without the echo line.
    static Request unechoed(const QString& command) { return {command, false, false, false}; }
    // A listing the program reads itself: nothing in the pane.
    static Request listing(const QString& command) { return {command, false, true, false}; }
    // Sent and not waited for.
    static Request noWait(const QString& command) { return {command, false, false, false, false}; }
    // The public status query.
    static Request statusQuery() { return {QStringLiteral("getstatus"), true, true, false}; }
};

struct Reply {
    enum class Status {
        Replied,      // the text holds every datagram of the reply, in arrival order
        NoReply,      // sent (and sent again) but never answered
        Sent,         // sent and not waited for
        NotConnected, // refused: no server connected, nothing sent
        NoRoute,      // refused: the server's network cannot be reached, nothing sent
        SendFailed,   // refused: the datagram could not be sent
        Cancelled,    // withdrawn before it went: a disconnect or a cancel
    };
    Status status = Status::Cancelled;
    QString text; // framing removed; empty unless Replied

    // The command left for the server (it may have acted on it even without an answer).
    bool went() const {
        return status == Status::Replied || status == Status::NoReply || status == Status::Sent;
    }
};

using ReplyHandler = std::function<void(const Reply&)>;
