#include "SimFleet.h"

#include <QStringList>

#include <iterator>

namespace {

// Different lengths, so that names, maps and game types combine differently down the list.
const char* const kMaps[] = {"mp_harbor", "mp_carentan", "mp_brecourt", "mp_dawnville",
                             "mp_depot",  "mp_pavlov",   "mp_railyard"};
const char* const kGameTypes[] = {"dm", "tdm", "sd"};

} // namespace

SimFleet::SimFleet(int count) {
    for (int i = 0; i < count; ++i) {
        auto server = std::make_unique<SimServer>();
        if (count > 1) {
            server->setCvar(QStringLiteral("sv_hostname"), hostName(i));
            server->setCvar(QStringLiteral("mapname"),
                            QString::fromLatin1(kMaps[size_t(i) % std::size(kMaps)]));
            server->setCvar(QStringLiteral("g_gametype"),
                            QString::fromLatin1(kGameTypes[size_t(i) % std::size(kGameTypes)]));
        }
        m_servers.push_back(std::move(server));
    }
}

SimFleet::~SimFleet() = default;

bool SimFleet::start(quint16 firstPort, QString* error) {
    for (int i = 0; i < size(); ++i) {
        const int port = firstPort == 0 ? 0 : firstPort + i;
        if (port > 65535 || !server(i).start(quint16(port))) {
            stop();
            if (error)
                *error = QStringLiteral("Cannot listen on 127.0.0.1:%1").arg(port);
            return false;
        }
    }
    return true;
}

void SimFleet::stop() {
    for (const auto& server : m_servers)
        server->stop();
}

QString SimFleet::hostName(int index) {
    return QStringLiteral("^1Sim^7 Server %1").arg(index + 1);
}
