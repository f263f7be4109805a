#include "SimServer.h"

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
    parser.addOptions({portOption, passwordOption, dataOption, jitterOption});
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

    SimServer server;
    server.setJitterMs(jitterMs);
    if (parser.isSet(dataOption)) {
        QString error;
        if (!server.loadDataFile(parser.value(dataOption), &error)) {
            err << error << '\n';
            return 2;
        }
    }
    // A password given on the command line beats one from the data file; without either the
    // default stays.
    if (parser.isSet(passwordOption) || !parser.isSet(dataOption))
        server.setRconPassword(parser.value(passwordOption));

    if (!server.start(quint16(port), QHostAddress::LocalHost)) {
        err << "Cannot listen on 127.0.0.1:" << port << '\n';
        return 1;
    }
    QTextStream(stdout) << "Simulated Call of Duty server on 127.0.0.1:" << server.port()
                        << ", rcon password " << server.cvar(QStringLiteral("rconpassword"))
                        << Qt::endl;
    return app.exec();
}
