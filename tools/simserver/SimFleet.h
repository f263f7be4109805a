#pragma once

#include "SimServer.h"

#include <QString>

#include <memory>
#include <vector>

// Several simulated servers in one process, as an operator who looks after a fleet sees
// them: each on its own port of loopback, with its own variables, players, rate limit and
// recorded traffic. So that a list of them shows which is which, every server of a fleet of
// two or more has its own coloured host name ("^1Sim^7 Server 1", "^1Sim^7 Server 2", ...) and
// a stock map and game type of its own; a fleet of one is the plain server.
class SimFleet {
public:
    explicit SimFleet(int count);
    ~SimFleet();
    SimFleet(const SimFleet&) = delete;
    SimFleet& operator=(const SimFleet&) = delete;

    int size() const { return int(m_servers.size()); }
    SimServer& server(int index) { return *m_servers.at(size_t(index)); }
    const SimServer& server(int index) const { return *m_servers.at(size_t(index)); }

    // Starts every server on loopback: on consecutive ports from `firstPort`, or each on a
    // free port of the system's choice when it is 0. Either all listen or none does; `error`
    // then names the port that could not be had.
    bool start(quint16 firstPort = 0, QString* error = nullptr);
    void stop();

    // The host name of the server at `index` (counted from 0) in a fleet of two or more.
    static QString hostName(int index);

private:
    std::vector<std::unique_ptr<SimServer>> m_servers;
};
