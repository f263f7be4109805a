#include "SimFleet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vostrel-simserver"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated Call of Duty 1.1 dedicated server for trying out rcon clients."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("UDP port on 127.0.0.1 (default 28960)."),
                                        QStringLiteral("port"), QStringLiteral("28960"));
    const QCommandLineOption passwordOption(QStringLiteral("password"),
                                            QStringLiteral("Rcon password (default secret)."),
                                            QStringLiteral("password"), QStringLiteral("secret"));
    const QCommandLineOption dataOption(
        QStringLiteral("data"), QStringLiteral("Data file with cvars, players, maps, cfgs."),
        QStringLiteral("file"));
    const QCommandLineOption jitterOption(
        QStringLiteral("jitter"),
        QStringLiteral("Each datagram late by a random 0..ms milliseconds (default 0)."),
        QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption serversOption(
        QStringLiteral("servers"),
        QStringLiteral("Serve n independent servers on n consecutive ports from --port, each "
                       "with its own host name, map and game type (1 to 1000, default 1)."),
        QStringLiteral("n"), QStringLiteral("1"));
    parser.addOptions({portOption, passwordOption, dataOption, jitterOption, serversOption});
    parser.process(app);

    QTextStream err(stderr);
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535) {
        err << "Invalid port: " << parser.value(portOption) << '\n';
        return 2;
    }

    bool jitterOk = false;
    const int jitterMs = parser.value(jitterOption).toInt(&jitterOk);
    if (!jitterOk || jitterMs < 0) {
        err << "Invalid jitter: " << parser.value(jitterOption) << '\n';
        return 2;
    }

    bool countOk = false;
    const int count = parser.value(serversOption).toInt(&countOk);
    if (!countOk || count < 1 || count > 1000 || (port != 0 && port + count - 1 > 65535)) {
        err << "Invalid number of servers: " << parser.value(serversOption) << '\n';
        return 2;
    }

    SimFleet fleet(count);
    for (int i = 0; i < count; ++i) {
        SimServer& server = fleet.server(i);
        server.setJitterMs(jitterMs);
        if (parser.isSet(dataOption)) {
            QString error;
            if (!server.loadDataFile(parser.value(dataOption), &error)) {
                err << error << '\n';
                return 2;
            }
        }
        // A password given on the command line beats one from the data file; without either
        // the default stays.
        if (parser.isSet(passwordOption) || !parser.isSet(dataOption))
            server.setRconPassword(parser.value(passwordOption));
    }

    QString error;
    if (!fleet.start(quint16(port), &error)) {
        err << error << '\n';
        return 1;
    }
    QTextStream out(stdout);
    for (int i = 0; i < count; ++i)
        out << "Simulated Call of Duty server on 127.0.0.1:" << fleet.server(i).port()
            << ", rcon password " << fleet.server(i).cvar(QStringLiteral("rconpassword"))
            << Qt::endl;
    return app.exec();
}
