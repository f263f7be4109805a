#pragma once

#include <QString>

// The three on-screen outputs every part writes to. The main window implements them.
class OutputSink {
public:
    virtual ~OutputSink() = default;

    // Appends text to the RCON pane; callers end their lines with CR LF.
    virtual void addrcon(const QString& text) = 0;
    // Adds "Time: <time of day> <text>" as the newest (top) line of the message log.
    virtual void addmessage(const QString& text) = 0;
    // Shows ("REP"), extends ("ADD") or, with an empty text, hides the progress notice.
    virtual void showprogress(const QString& text, const QString& mode) = 0;
    // Whether the program's active window is minimised (unknown counts as not minimised).
    virtual bool activeWindowMinimised() const = 0;
};
