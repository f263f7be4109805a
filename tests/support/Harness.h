#pragma once

#include "ScriptedDialogs.h"
#include "simserver/SimServer.h"
#include "ui/Main.h"

#include <QTemporaryDir>

#include <memory>

// One test's world: a short clock, a fresh working directory, the simulated server on
// loopback (rate limit off, no splits unless a test asks) and the main window answering its
// dialogs from a script. The start-up is not run unless the test calls startup().
class Harness {
public:
    // The clock second in tests, in milliseconds.
    static constexpr int kSecondMs = 50;

    explicit Harness(bool startSimulatedServer = true);
    ~Harness();

    SimServer sim;
    ScriptedDialogs dialogs;
    std::unique_ptr<Main> main;

    QString dir() const { return m_dir.path(); }
    QString path(const QString& fileName) const { return m_dir.filePath(fileName); }
    // Writes the settings file (vostrel.ini) of the working directory.
    void writeSettings(const QByteArray& text) const;

    void startup() { main->startup(); }
    // Opens the client to the simulated server and marks the window connected, without
    // running the connect sequence.
    void connectDirect();
    // Runs events until every exchange has ended (nothing queued, on the wire or held); false
    // when that took longer than `seconds` clock seconds.
    [[nodiscard]] bool settle(double seconds = 40);

    template <typename T> T* find(const QString& objectName) const {
        return main->findChild<T*>(objectName);
    }
    // The commands the server received, as text after "rcon <password> " (or "getstatus").
    QStringList commands() const { return sim.receivedCommands(); }
    // The RCON pane's text, lines separated by "\n".
    QString rconText() const;
    // The message log, newest first, without the "Time: hh:mm:ss " of each line.
    QStringList messageLog() const;
    // Waits (clock seconds) while events run.
    static void pause(double seconds);
    // Clicks the button named name and lets the exchanges end; false when they did not.
    [[nodiscard]] bool click(const QString& name);

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};
