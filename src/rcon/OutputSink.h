#pragma once

#include <QString>

// How a progress text joins the notice: it replaces what is shown, or adds a line below.
enum class ProgressMode { Replace, Add };

// The three on-screen outputs every part writes to. The main window implements them.
class OutputSink {
public:
    virtual ~OutputSink() = default;

    // Appends text to the RCON pane; callers end their lines with CR LF.
    virtual void appendRcon(const QString& text) = 0;
    // Adds "Time: <time of day> <text>" as the newest (top) line of the message log.
    virtual void addMessage(const QString& text) = 0;
    // Shows or extends the progress notice; an empty text hides it.
    virtual void showProgress(const QString& text, ProgressMode mode = ProgressMode::Replace) = 0;
    void hideProgress() { showProgress(QString()); }
    // Shows what the server last refused until the next action; an empty text clears it.
    virtual void showRefusal(const QString& text) { Q_UNUSED(text); }
    // Whether the program's active window is minimised (unknown counts as not minimised).
    virtual bool activeWindowMinimised() const = 0;
};
