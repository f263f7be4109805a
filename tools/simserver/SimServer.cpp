#include "SimServer.h"

#include "base/Wire1252.h"

#include <QFile>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <optional>

namespace {

const QByteArray kOob("\xff\xff\xff\xff", 4);
const QString kFlagOrder = QStringLiteral("SURIALC");

struct DefaultCvar {
    const char* name;
    const char* value;
    const char* flags;
};

// Registration order of a freshly started 1.1 server running the stock game scripts with the
// United Offensive and Heat of Battle variables a typical admin config adds.
const DefaultCvar kDefaultCvars[] = {
    {"version", "CoD MP 1.1 build win-x86 Dec  3 2003", "R"},
    {"gamename", "main", "SR"},
    {"protocol", "1", "SR"},
    {"shortversion", "1.1", "SR"},
    {"dedicated", "2", "L"},
    {"rconpassword", "secret", ""},
    {"sv_hostname", "Vostrel Test Server", "SA"},
    {"sv_maxclients", "20", "SLA"},
    {"sv_privateClients", "0", "S"},
    {"sv_maxRate", "10000", "SA"},
    {"sv_minPing", "0", "SA"},
    {"sv_maxPing", "0", "SA"},
    {"sv_floodProtect", "1", "SA"},
    {"sv_allowAnonymous", "0", "S"},
    {"sv_pure", "1", "S"},
    {"sv_fps", "20", ""},
    {"sv_timeout", "240", ""},
    {"sv_allowDownload", "1", ""},
    {"sv_kickbantime", "300", "A"},
    {"sv_maprotation", "gametype dm map mp_harbor gametype sd map mp_carentan", ""},
    {"sv_maprotationcurrent", "", ""},
    {"mapname", "mp_harbor", "SR"},
    {"g_gametype", "dm", "SL"},
    {"g_password", "", ""},
    {"g_allowvote", "1", "A"},
    {"scr_allow_vote", "1", "A"},
    {"scr_motd", "Welcome. Play fair.", ""},
    {"scr_killcam", "1", ""},
    {"scr_drawfriend", "1", ""},
    {"scr_freelook", "1", ""},
    {"scr_teambalance", "1", ""},
    {"scr_spectateenemy", "0", ""},
    {"setfriendlyfire", "2", ""},
    {"scr_dm_scorelimit", "50", ""},
    {"scr_dm_timelimit", "30", ""},
    {"scr_tdm_scorelimit", "100", ""},
    {"scr_tdm_timelimit", "30", ""},
    {"scr_sd_scorelimit", "10", ""},
    {"scr_sd_timelimit", "0", ""},
    {"scr_sd_roundlimit", "0", ""},
    {"scr_sd_roundlength", "4", ""},
    {"scr_sd_graceperiod", "15", ""},
    {"scr_sd_bombtimer", "60", ""},
    {"scr_re_scorelimit", "10", ""},
    {"scr_re_timelimit", "0", ""},
    {"scr_re_roundlimit", "0", ""},
    {"scr_re_roundlength", "4", ""},
    {"scr_re_graceperiod", "15", ""},
    {"scr_bel_scorelimit", "50", ""},
    {"scr_bel_timelimit", "30", ""},
    {"scr_bel_alivepointtime", "10", ""},
    {"scr_allow_bar", "1", ""},
    {"scr_allow_bren", "1", ""},
    {"scr_allow_enfield", "1", ""},
    {"scr_allow_fg42", "1", ""},
    {"scr_allow_kar98k", "1", ""},
    {"scr_allow_kar98ksniper", "1", ""},
    {"scr_allow_m1carbine", "1", ""},
    {"scr_allow_m1garand", "1", ""},
    {"scr_allow_mp40", "1", ""},
    {"scr_allow_mp44", "1", ""},
    {"scr_allow_nagant", "1", ""},
    {"scr_allow_nagantsniper", "1", ""},
    {"scr_allow_panzerfaust", "1", ""},
    {"scr_allow_ppsh", "1", ""},
    {"scr_allow_springfield", "1", ""},
    {"scr_allow_sten", "1", ""},
    {"scr_allow_thompson", "1", ""},
    {"scr_allow_pistols", "1", ""},
    {"scr_allow_satchel", "1", ""},
    {"scr_allow_smoke", "1", ""},
    {"scr_allow_grenades", "1", ""},
    {"scr_allow_flamethrower", "1", ""},
    {"scr_allow_artillery", "1", ""},
    {"scr_allow_bazooka", "1", ""},
    {"scr_allow_mg34", "1", ""},
    {"scr_allow_dp28", "1", ""},
    {"scr_allow_mg30cal", "1", ""},
    {"scr_allow_gewehr43", "1", ""},
    {"scr_allow_svt40", "1", ""},
    {"scr_allow_flak88", "1", ""},
    {"scr_allow_su152", "1", ""},
    {"scr_allow_elefant", "1", ""},
    {"scr_allow_t34", "1", ""},
    {"scr_allow_sherman", "1", ""},
    {"scr_allow_horch", "1", ""},
    {"scr_allow_gaz67b", "1", ""},
    {"scr_allow_willyjeep", "1", ""},
    {"scr_allow_panzeriv", "1", ""},
    {"scr_shellshock", "1", ""},
    {"scr_drophealth", "1", ""},
    {"scr_battlerank", "1", ""},
    {"scr_hob_showObituary", "1", ""},
    {"scr_hob_trip", "0", ""},
    {"scr_hob_respawntime", "15", ""},
    {"scr_hob_dropWeapon", "0", ""},
    {"scr_hob_shellshock", "1", ""},
    {"scr_hob_dynamicLimitWeapons", "0", ""},
    {"scr_hob_dynamicLimitFlags", "0", ""},
    {"scr_hob_dynamicLimitBombs", "0", ""},
    {"scr_hob_enableSpawnProtection", "1", ""},
    {"scr_hob_announceSpawnCampers", "0", ""},
    {"scr_hob_sniperPercentage", "20", ""},
    {"scr_hob_smgPercentage", "30", ""},
    {"scr_hob_supportPercentage", "25", ""},
    {"scr_hob_riflePercentage", "100", ""},
};

QList<SimPlayer> defaultPlayers() {
    // Slot 2 stays free so "not active" and "bad slot" replies can be provoked out of the box.
    SimPlayer a;
    a.num = 0;
    a.score = 12;
    a.ping = QStringLiteral("48");
    a.guid = QStringLiteral("465030");
    a.name = QStringLiteral("^1Red^7Baron");
    a.lastmsg = 0;
    a.address = QStringLiteral("192.0.2.10:28960");
    a.qport = 4711;
    a.rate = 25000;
    SimPlayer b;
    b.num = 1;
    b.score = -2;
    b.ping = QStringLiteral("71");
    b.guid = QStringLiteral("0");
    b.name = QStringLiteral("J\u00fcrgen M\u00fcller");
    b.lastmsg = 50;
    b.address = QStringLiteral("192.0.2.23:-32085");
    b.qport = 6597;
    b.rate = 5000;
    SimPlayer c;
    c.num = 3;
    c.score = 0;
    c.ping = QStringLiteral("CNCT");
    c.guid = QStringLiteral("0");
    c.name = QStringLiteral("New Player");
    c.lastmsg = 950;
    c.address = QStringLiteral("192.0.2.44:28960");
    c.qport = 1502;
    c.rate = 25000;
    return {a, b, c};
}

// The engine's argument splitting: blanks and control bytes separate words, a double quote
// starts a word that runs to the closing quote, and a quote also ends an unquoted word, which
// is why name"value" reads as two words.
QStringList tokenize(const QString& line) {
    QStringList out;
    const qsizetype n = line.size();
    qsizetype i = 0;
    for (;;) {
        while (i < n && line[i].unicode() <= ' ')
            ++i;
        if (i >= n)
            break;
        if (line[i] == u'"') {
            qsizetype end = line.indexOf(u'"', i + 1);
            if (end < 0)
                end = n;
            out << line.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        const qsizetype start = i;
        while (i < n && line[i].unicode() > ' ' && line[i] != u'"')
            ++i;
        out << line.mid(start, i - start);
    }
    return out;
}

// Case-insensitive match with '*' for any run and '?' for any single character.
bool globMatch(const QString& pattern, const QString& text) {
    qsizetype p = 0, t = 0, star = -1, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            mark = t;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || pattern[p].toLower() == text[t].toLower())) {
            ++p;
            ++t;
        } else if (star >= 0) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

QString stripColours(const QString& name) {
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == u'^' && i + 1 < name.size() && name[i + 1].isDigit())
            ++i;
        else
            out += name[i];
    }
    return out;
}

bool isLoopback(const QHostAddress& address) {
    return address.isLoopback() && !address.isNull();
}

QString stripBsp(QString name) {
    if (name.endsWith(QLatin1String(".bsp"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

} // namespace

SimServer::SimServer(QObject* parent) : QObject(parent) {
    m_clock.start();
    for (const DefaultCvar& d : kDefaultCvars) {
        Cvar var;
        var.name = QString::fromLatin1(d.name);
        var.value = QString::fromLatin1(d.value);
        var.defaultValue = var.value;
        var.flags = QString::fromLatin1(d.flags);
        m_cvars << var;
    }
    rebuildCvarIndex();
    m_players = defaultPlayers();
    m_maps = {
        QStringLiteral("mp_bocage"),  QStringLiteral("mp_brecourt"),  QStringLiteral("mp_carentan"),
        QStringLiteral("mp_chateau"), QStringLiteral("mp_dawnville"), QStringLiteral("mp_depot"),
        QStringLiteral("mp_harbor"),  QStringLiteral("mp_hurtgen"),   QStringLiteral("mp_neuville"),
        QStringLiteral("mp_pavlov"),  QStringLiteral("mp_powcamp"),   QStringLiteral("mp_railyard"),
        QStringLiteral("mp_rocket"),  QStringLiteral("mp_ship")};
    m_cfgFiles = {QStringLiteral("server.cfg"), QStringLiteral("dedicated.cfg"),
                  QStringLiteral("sd.cfg"), QStringLiteral("ctf.cfg")};
}

SimServer::~SimServer() {
    stop();
}

bool SimServer::start(quint16 port, const QHostAddress& address) {
    stop();
    if (!isLoopback(address))
        return false;
    auto* socket = new QUdpSocket(this);
    if (!socket->bind(address, port)) {
        delete socket;
        return false;
    }
    m_socket = socket;
    connect(socket, &QUdpSocket::readyRead, this, &SimServer::readPending);
    return true;
}

void SimServer::stop() {
    ++m_generation;
    if (m_socket) {
        m_socket->close();
        // Stopping may happen from a slot while the socket is still delivering datagrams.
        m_socket->deleteLater();
    }
    m_socket = nullptr;
}

quint16 SimServer::port() const {
    return m_socket ? m_socket->localPort() : 0;
}

void SimServer::setRconPassword(const QString& password) {
    setCvar(QStringLiteral("rconpassword"), password);
}

void SimServer::setMaxPrintBytes(int bytes) {
    m_maxPrintBytes = bytes;
}
void SimServer::setRateLimitMs(int ms) {
    m_rateLimitMs = ms;
}
void SimServer::dropNextRequests(int n) {
    m_dropRequests = std::max(0, n);
}
void SimServer::dropNextReplies(int n) {
    m_dropReplies = std::max(0, n);
}
void SimServer::setReplyDelayMs(int ms) {
    m_replyDelayMs = std::max(0, ms);
}
void SimServer::setJitterMs(int maxMs) {
    m_jitterMs = std::max(0, maxMs);
}
void SimServer::setJitterSeed(quint32 seed) {
    m_jitter.seed(seed);
}

int SimServer::jitterDrawMs() {
    return m_jitterMs > 0 ? int(m_jitter.bounded(m_jitterMs + 1)) : 0;
}

void SimServer::clearReceived() {
    m_received.clear();
    m_receivedAt.clear();
    m_receivedCommands.clear();
}

// ---- variables ----

void SimServer::rebuildCvarIndex() {
    m_cvarIndex.clear();
    for (int i = 0; i < m_cvars.size(); ++i)
        m_cvarIndex.insert(m_cvars[i].name.toLower(), i);
}

SimServer::Cvar* SimServer::findCvar(const QString& name) {
    const auto it = m_cvarIndex.constFind(name.toLower());
    return it == m_cvarIndex.constEnd() ? nullptr : &m_cvars[*it];
}

const SimServer::Cvar* SimServer::findCvar(const QString& name) const {
    const auto it = m_cvarIndex.constFind(name.toLower());
    return it == m_cvarIndex.constEnd() ? nullptr : &m_cvars[*it];
}

void SimServer::setCvar(const QString& name, const QString& value) {
    if (Cvar* var = findCvar(name)) {
        var->value = value;
        return;
    }
    Cvar var;
    var.name = name;
    var.value = value;
    var.defaultValue = value;
    m_cvars << var;
    m_cvarIndex.insert(name.toLower(), int(m_cvars.size() - 1));
}

QString SimServer::cvar(const QString& name) const {
    const Cvar* var = findCvar(name);
    return var ? var->value : QString();
}

void SimServer::removeCvar(const QString& name) {
    const auto it = m_cvarIndex.constFind(name.toLower());
    if (it == m_cvarIndex.constEnd())
        return;
    m_cvars.removeAt(*it);
    rebuildCvarIndex();
}

void SimServer::setCvarFlags(const QString& name, const QString& letters) {
    if (!findCvar(name))
        setCvar(name, QString());
    QString flags;
    for (const QChar c : kFlagOrder)
        if (letters.contains(c, Qt::CaseInsensitive))
            flags += c;
    findCvar(name)->flags = flags;
}

QString SimServer::cvarFlags(const QString& name) const {
    const Cvar* var = findCvar(name);
    return var ? var->flags : QString();
}

QStringList SimServer::cvarNames() const {
    QStringList names;
    for (const Cvar& var : m_cvars)
        names << var.name;
    return names;
}

QString SimServer::latchedCvar(const QString& name) const {
    const Cvar* var = findCvar(name);
    return var && var->hasLatch ? var->latched : QString();
}

void SimServer::applyLatched() {
    for (Cvar& var : m_cvars) {
        if (var.hasLatch) {
            var.value = var.latched;
            var.latched.clear();
            var.hasLatch = false;
        }
    }
}

// ---- players, maps, files ----

void SimServer::setPlayers(const QList<SimPlayer>& players) {
    m_players = players;
    std::stable_sort(m_players.begin(), m_players.end(),
                     [](const SimPlayer& a, const SimPlayer& b) { return a.num < b.num; });
}

void SimServer::replaceAfterNextStatus(int slot, SimPlayer newcomer) {
    newcomer.num = slot;
    m_newcomers << newcomer;
}

void SimServer::playersChangeAfterStatus() {
    if (m_newcomers.isEmpty())
        return;
    QList<SimPlayer> players = m_players;
    for (const SimPlayer& newcomer : std::as_const(m_newcomers)) {
        players.removeIf([&newcomer](const SimPlayer& p) { return p.num == newcomer.num; });
        players << newcomer;
    }
    m_newcomers.clear();
    setPlayers(players);
}

void SimServer::setUnknownCommands(const QStringList& names) {
    m_unknownCommands.clear();
    for (const QString& name : names)
        m_unknownCommands.insert(name.toLower());
}

void SimServer::setMaps(const QStringList& names) {
    m_maps.clear();
    for (const QString& name : names)
        m_maps << stripBsp(name.trimmed());
}

void SimServer::setCfgFiles(const QStringList& paths) {
    m_cfgFiles = paths;
}

bool SimServer::loadDataFile(const QString& path, QString* error) {
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));

    // Parsed completely before anything changes, so a broken file leaves the server as it was.
    QList<QPair<QString, QString>> cvars;
    QStringList serverinfoNames;
    QList<SimPlayer> players;
    QStringList maps, cfgs;
    bool havePlayers = false, haveMaps = false, haveCfgs = false;
    std::optional<Engine> engine;
    QString section;
    int lineNo = 0;
    while (!file.atEnd()) {
        ++lineNo;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        const auto where = [lineNo](const QString& what) {
            return QStringLiteral("line %1: %2").arg(lineNo).arg(what);
        };
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            if (section == u"players")
                havePlayers = true;
            else if (section == u"maps")
                haveMaps = true;
            else if (section == u"cfgs")
                haveCfgs = true;
            else if (section != u"cvars" && section != u"serverinfo" && section != u"engine")
                return fail(where(QStringLiteral("unknown section [%1]").arg(section)));
            continue;
        }
        if (section.isEmpty())
            return fail(where(QStringLiteral("text before the first section")));
        if (section == u"cvars" || section == u"serverinfo") {
            const qsizetype eq = line.indexOf(u'=');
            const QString name = eq < 0 ? QString() : line.left(eq).trimmed();
            if (name.isEmpty() || name.contains(u' '))
                return fail(where(QStringLiteral("expected name = value")));
            QString value = line.mid(eq + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
                value = value.mid(1, value.size() - 2);
            cvars.append({name, value});
            if (section == u"serverinfo")
                serverinfoNames << name;
        } else if (section == u"players") {
            const QStringList f = tokenize(line);
            if (f.size() < 5 || f.size() > 9)
                return fail(where(QStringLiteral("expected num score ping guid \"name\" "
                                                 "[lastmsg [address [qport [rate]]]]")));
            SimPlayer p;
            bool okNum = false, okScore = false, ok = true;
            p.num = f[0].toInt(&okNum);
            p.score = f[1].toInt(&okScore);
            p.ping = f[2];
            p.guid = f[3];
            p.name = f[4];
            if (f.size() > 5)
                p.lastmsg = f[5].toInt(&ok);
            if (ok && f.size() > 6)
                p.address = f[6];
            if (ok && f.size() > 7)
                p.qport = f[7].toInt(&ok);
            if (ok && f.size() > 8)
                p.rate = f[8].toInt(&ok);
            if (!okNum || !okScore || !ok || p.num < 0)
                return fail(where(QStringLiteral("a number field is not a number")));
            players << p;
        } else if (section == u"engine") {
            if (line.compare(u"callofduty", Qt::CaseInsensitive) == 0)
                engine = Engine::CallOfDuty;
            else if (line.compare(u"ioquake3", Qt::CaseInsensitive) == 0)
                engine = Engine::Ioquake3;
            else if (line.compare(u"shortheader", Qt::CaseInsensitive) == 0)
                engine = Engine::ShortHeader;
            else
                return fail(where(QStringLiteral("expected callofduty, ioquake3 or shortheader")));
        } else if (section == u"maps") {
            maps << line;
        } else {
            cfgs << line;
        }
    }

    for (const auto& [name, value] : std::as_const(cvars))
        setCvar(name, value);
    for (const QString& name : std::as_const(serverinfoNames))
        setCvarFlags(name, cvarFlags(name) + u'S');
    if (engine)
        m_engine = *engine;
    if (havePlayers)
        setPlayers(players);
    if (haveMaps)
        setMaps(maps);
    if (haveCfgs)
        setCfgFiles(cfgs);
    return true;
}

// ---- hooks ----

void SimServer::setReplyOverride(const QString& command, const QByteArray& rawText) {
    m_overrides.insert(command, rawText);
}

void SimServer::clearReplyOverrides() {
    m_overrides.clear();
}

void SimServer::setGetstatusOverride(const QByteArray& rawReplyAfterHeader) {
    m_getstatusOverride = rawReplyAfterHeader;
}

void SimServer::sendRaw(const QHostAddress& to, quint16 port, const QByteArray& bytes) {
    if (m_socket && isLoopback(to))
        m_socket->writeDatagram(bytes, to, port);
}

void SimServer::printToClient(const QString& text) {
    if (m_lastPort != 0)
        sendPrint(wire1252::encode(text), m_lastAddress, m_lastPort, false);
}

void SimServer::injectIntoNextReply(const QString& text) {
    m_injected += text;
}

// ---- traffic ----

void SimServer::readPending() {
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        if (!datagram.isValid())
            continue;
        const int late = jitterDrawMs();
        if (late == 0) {
            handleDatagram(datagram.data(), datagram.senderAddress(),
                           quint16(datagram.senderPort()));
            continue;
        }
        // The request is still on the line: the server sees it, and times it, when it lands.
        const quint64 generation = m_generation;
        QTimer::singleShot(late, Qt::PreciseTimer, this, [this, datagram, generation] {
            if (m_socket && generation == m_generation)
                handleDatagram(datagram.data(), datagram.senderAddress(),
                               quint16(datagram.senderPort()));
        });
    }
}

namespace {

struct RconRequest {
    bool isRcon = false;
    QByteArray password;
    QByteArray command;
};

// The password is the first word after "rcon"; the command is everything after the single
// separator that ends it, byte for byte.
RconRequest parseRcon(const QByteArray& body) {
    RconRequest request;
    if (body.size() < 4 || body.left(4).toLower() != "rcon")
        return request;
    if (body.size() > 4 && static_cast<unsigned char>(body[4]) > ' ')
        return request;
    request.isRcon = true;
    qsizetype i = 4;
    while (i < body.size() && body[i] == ' ')
        ++i;
    const qsizetype start = i;
    while (i < body.size() && static_cast<unsigned char>(body[i]) > ' ')
        ++i;
    request.password = body.mid(start, i - start);
    if (i < body.size())
        request.command = body.mid(i + 1);
    return request;
}

} // namespace

void SimServer::handleDatagram(const QByteArray& bytes, const QHostAddress& from, quint16 port) {
    const bool oob = bytes.startsWith(kOob);
    const QByteArray body = oob ? bytes.mid(4) : bytes;
    const RconRequest rcon = oob ? parseRcon(body) : RconRequest{};

    m_received << bytes;
    m_receivedAt << m_clock.elapsed();
    m_receivedCommands << wire1252::decode(rcon.isRcon ? rcon.command : body);
    m_lastAddress = from;
    m_lastPort = port;
    emit datagramReceived(bytes);

    if (m_dropRequests > 0) {
        --m_dropRequests;
        return;
    }
    if (!oob)
        return;
    if (rcon.isRcon) {
        handleRcon(rcon.password, rcon.command, from, port);
        return;
    }
    const QStringList words = tokenize(wire1252::decode(body));
    if (!words.isEmpty() && words.first().compare(u"getstatus", Qt::CaseInsensitive) == 0)
        handleGetstatus(from, port);
    // Anything else out of band is ignored, as the engine does with unknown packets.
}

void SimServer::handleRcon(const QByteArray& password, const QByteArray& commandBytes,
                           const QHostAddress& from, quint16 port) {
    // One window for all senders; a refused password still uses it up.
    if (m_rateLimitMs > 0 && m_sinceAccepted.isValid() &&
        m_sinceAccepted.elapsed() < m_rateLimitMs) {
        ++m_rateLimited;
        return;
    }
    m_sinceAccepted.start();

    const bool dropReply = m_dropReplies > 0;
    if (dropReply)
        --m_dropReplies;

    const QString serverPassword = cvar(QStringLiteral("rconpassword"));
    QByteArray text;
    bool silent = m_silentOnBadPassword;
    if (serverPassword.isEmpty()) {
        text = "No rconpassword set on the server.\n";
    } else if (wire1252::decode(password) != serverPassword) {
        text = "Bad rconpassword.\n";
        silent = m_silentOnBadPassword;
    } else {
        const QString command = wire1252::decode(commandBytes);
        const auto override = m_overrides.constFind(command);
        if (override != m_overrides.constEnd()) {
            text = *override;
        } else {
            const Reply reply = execute(command);
            text = wire1252::encode(reply.text);
            silent = reply.silent;
        }
        if (!silent && !m_injected.isEmpty()) {
            text.prepend(wire1252::encode(m_injected));
            m_injected.clear();
        }
    }
    if (!dropReply && !silent)
        sendPrint(text, from, port, true);
}

void SimServer::handleGetstatus(const QHostAddress& from, quint16 port) {
    const bool dropReply = m_dropReplies > 0;
    if (dropReply) {
        --m_dropReplies;
        return;
    }
    const QByteArray text =
        m_getstatusOverride.isEmpty() ? wire1252::encode(getstatusText()) : m_getstatusOverride;
    sendDatagrams({kOob + text}, from, port, true);
}

void SimServer::sendPrint(const QByteArray& text, const QHostAddress& to, quint16 port,
                          bool delayed) {
    const QByteArray header = kOob + (m_engine == Engine::ShortHeader ? "n" : "print\n");
    QList<QByteArray> datagrams;
    if (m_maxPrintBytes <= 0 || text.size() <= m_maxPrintBytes) {
        datagrams << header + text;
    } else {
        for (qsizetype at = 0; at < text.size(); at += m_maxPrintBytes)
            datagrams << header + text.mid(at, m_maxPrintBytes);
    }
    sendDatagrams(datagrams, to, port, delayed);
}

void SimServer::sendDatagrams(const QList<QByteArray>& datagrams, const QHostAddress& to,
                              quint16 port, bool delayed) {
    if (!m_socket || !isLoopback(to))
        return;
    const int delayMs = delayed ? m_replyDelayMs : 0;
    if (delayMs <= 0 && m_jitterMs <= 0) {
        for (const QByteArray& d : datagrams)
            m_socket->writeDatagram(d, to, port);
        return;
    }
    // Each datagram draws its own lateness, so the parts of one reply may arrive reordered;
    // without jitter they keep their order, as timers of equal length fire in turn.
    for (const QByteArray& d : datagrams)
        writeDatagram(d, to, port, delayMs + jitterDrawMs());
}

void SimServer::writeDatagram(const QByteArray& bytes, const QHostAddress& to, quint16 port,
                              int delayMs) {
    const quint64 generation = m_generation;
    QTimer::singleShot(delayMs, Qt::PreciseTimer, this, [this, bytes, to, port, generation] {
        if (m_socket && generation == m_generation)
            m_socket->writeDatagram(bytes, to, port);
    });
}

// ---- console commands ----

SimServer::Reply SimServer::execute(const QString& command) {
    const QStringList args = tokenize(command);
    if (args.isEmpty())
        return {};
    const QString verb = args.first().toLower();
    const auto rest = [&args](int from) { return args.mid(from).join(u' '); };

    if (m_unknownCommands.contains(verb))
        return {QStringLiteral("unknown command: %1\n").arg(args.first())};
    if (verb == u"status") {
        const QString report = statusText();
        playersChangeAfterStatus();
        return {report};
    }
    if (verb == u"serverinfo") {
        QString text = QStringLiteral("Server info settings:\n");
        for (const auto& [key, value] : serverInfo())
            text += key.leftJustified(20) + value + u'\n';
        return {text};
    }
    if (verb == u"cvarlist")
        return {cvarlistText(args.value(1))};
    if (verb == u"dir") {
        if (args.size() < 2)
            return {QStringLiteral("usage: dir <directory> [extension]\n")};
        QString folder = args[1];
        while (folder.endsWith(u'/'))
            folder.chop(1);
        QString ext = args.value(2);
        if (ext.startsWith(u'.'))
            ext.remove(0, 1);
        // An ioquake3 server keeps its maps in "maps" and rules off with fifteen dashes.
        const bool ioquake3 = m_engine == Engine::Ioquake3;
        QString text = QStringLiteral("Directory of %1 %2\n%3\n")
                           .arg(args[1], args.value(2), QString(ioquake3 ? 15 : 10, u'-'));
        if (folder.compare(ioquake3 ? u"maps" : u"maps/mp", Qt::CaseInsensitive) == 0 &&
            (ext.isEmpty() || ext.compare(u"bsp", Qt::CaseInsensitive) == 0)) {
            for (const QString& map : std::as_const(m_maps))
                text += map + QStringLiteral(".bsp\n");
        }
        return {text};
    }
    if (verb == u"fdir") {
        if (args.size() < 2)
            return {QStringLiteral("usage: fdir <filter>\n")};
        QString text = QStringLiteral("---------------\n");
        int count = 0;
        for (const QString& path : std::as_const(m_cfgFiles)) {
            if (globMatch(args[1], path)) {
                text += u'/' + path + u'\n';
                ++count;
            }
        }
        return {text + QStringLiteral("%1 files listed\n").arg(count)};
    }
    if (verb == u"say")
        return {args.size() < 2 ? QString() : QStringLiteral("console: ") + rest(1) + u'\n'};
    if (verb == u"tell") {
        if (args.size() < 3)
            return {QStringLiteral("Usage: tell <client number> <text>\n")};
        qsizetype index = -1;
        return {findSlot(args[1], &index)};
    }
    if (verb == u"dumpuser")
        return {dumpUser(args)};
    if (verb == u"clientkick" || verb == u"banclient" || verb == u"tempbanclient" ||
        verb == u"kick")
        return {kick(verb, args)};
    if (verb == u"set" || verb == u"seta" || verb == u"sets" || verb == u"setu") {
        if (args.size() < 3)
            return {QStringLiteral("usage: set <variable> <value>\n")};
        return {setFromConsole(args[1], rest(2), true)};
    }
    if (verb == u"map" || verb == u"devmap") {
        if (args.size() < 2)
            return {QStringLiteral("usage: map <mapname>\n")};
        const QString error = loadMap(args[1]);
        return {error, error.isEmpty()};
    }
    if (verb == u"map_restart" || verb == u"fast_restart") {
        applyLatched();
        return {QString(), true};
    }
    if (verb == u"map_rotate") {
        rotateMap();
        return {QString(), true};
    }
    if (verb == u"exec") {
        if (args.size() < 2)
            return {QStringLiteral("exec <filename> : execute a script file\n")};
        QString file = args[1];
        if (!file.section(u'/', -1).contains(u'.'))
            file += QStringLiteral(".cfg");
        const bool found =
            std::any_of(m_cfgFiles.cbegin(), m_cfgFiles.cend(), [&file](const QString& path) {
                return path.compare(file, Qt::CaseInsensitive) == 0;
            });
        return {(found ? QStringLiteral("execing %1\n") : QStringLiteral("couldn't exec %1\n"))
                    .arg(file)};
    }
    if (const Cvar* var = findCvar(args.first())) {
        if (args.size() == 1)
            return {queryCvar(*var)};
        // Only the first word counts: "sv_hostname My Server" sets "My".
        return {setFromConsole(var->name, args[1], false)};
    }
    return {unknownCommand(args.first())};
}

QString SimServer::unknownCommand(const QString& name) const {
    if (m_engine == Engine::Ioquake3)
        return QStringLiteral("unknown command: %1\n").arg(name);
    return QStringLiteral("Unknown command \"%1\"\n").arg(name);
}

// The engine's reading of a slot argument: only digits, below sv_maxclients, and a client in
// that slot. Returns the engine's refusal, or "" with the player's position in m_players. A
// slot that holds a player counts as in range even above sv_maxclients, so a test may place
// players anywhere.
QString SimServer::findSlot(const QString& arg, qsizetype* index) const {
    bool ok = !arg.isEmpty() &&
              std::all_of(arg.cbegin(), arg.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int num = ok ? arg.toInt(&ok) : -1;
    if (ok) {
        for (qsizetype i = 0; i < m_players.size(); ++i) {
            if (m_players[i].num == num) {
                *index = i;
                return QString();
            }
        }
    }
    if (!ok || num >= cvar(QStringLiteral("sv_maxclients")).toInt())
        return QStringLiteral("Bad client slot: %1\n").arg(ok ? QString::number(num) : arg);
    return QStringLiteral("Client %1 is not active\n").arg(num);
}

QString SimServer::dumpUser(const QStringList& args) const {
    if (args.size() < 2)
        return QStringLiteral("Usage: dumpuser <userid>\n");
    qsizetype index = -1;
    const QString refusal = findSlot(args[1], &index);
    if (!refusal.isEmpty())
        return refusal;
    const SimPlayer& p = m_players[index];
    QString text = QStringLiteral("userinfo\n--------\n");
    const std::pair<const char*, QString> keys[] = {
        {"name", p.name}, {"ip", p.address}, {"rate", QString::number(p.rate)}};
    for (const auto& [key, value] : keys)
        text += QString::fromLatin1(key).leftJustified(20) + value + u'\n';
    return text;
}

QString SimServer::setFromConsole(const QString& name, const QString& value, bool create) {
    Cvar* var = findCvar(name);
    if (!var) {
        if (!create)
            return QString();
        setCvar(name, value);
        return QString();
    }
    if (var->flags.contains(u'R'))
        return QStringLiteral("%1 is read only.\n").arg(var->name);
    if (var->flags.contains(u'I'))
        return QStringLiteral("%1 is write protected.\n").arg(var->name);
    if (var->flags.contains(u'L')) {
        if (value == var->value) {
            var->hasLatch = false;
            var->latched.clear();
            return QString();
        }
        var->latched = value;
        var->hasLatch = true;
        return QStringLiteral("%1 will be changed upon restarting.\n").arg(var->name);
    }
    var->value = value;
    return QString();
}

QString SimServer::queryCvar(const Cvar& var) const {
    return QStringLiteral("\"%1\" is:\"%2^7\" default:\"%3^7\"\n")
        .arg(var.name, var.value, var.defaultValue);
}

QString SimServer::kick(const QString& command, const QStringList& args) {
    if (args.size() < 2)
        return command == u"kick" ? QStringLiteral("Usage: kick <player name>\n")
                                  : QStringLiteral("Usage: %1 <client number>\n").arg(command);
    qsizetype index = -1;
    if (command == u"kick") {
        const QString wanted = stripColours(args[1]);
        for (qsizetype i = 0; i < m_players.size() && index < 0; ++i)
            if (stripColours(m_players[i].name).compare(wanted, Qt::CaseInsensitive) == 0)
                index = i;
        if (index < 0)
            return QStringLiteral("Player %1 is not on the server\n").arg(args[1]);
    } else {
        const QString refusal = findSlot(args[1], &index);
        if (!refusal.isEmpty())
            return refusal;
    }
    const QString name = m_players.takeAt(index).name;
    if (command == u"banclient")
        return QStringLiteral("%1^7 was banned\n").arg(name);
    if (command == u"tempbanclient")
        return QStringLiteral("%1^7 was temporarily banned\n").arg(name);
    return QStringLiteral("%1^7 was kicked\n").arg(name);
}

QString SimServer::loadMap(const QString& requested) {
    const QString name = stripBsp(requested);
    const auto it = std::find_if(m_maps.cbegin(), m_maps.cend(), [&name](const QString& map) {
        return map.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (it == m_maps.cend())
        return QStringLiteral("Can't find map %1/%2.bsp\n")
            .arg(m_engine == Engine::Ioquake3 ? u"maps" : u"maps/mp", name);
    applyLatched();
    setCvar(QStringLiteral("mapname"), *it);
    return QString();
}

// The engine works through sv_maprotationcurrent, refilling it from sv_maprotation when it runs
// dry, and leaves the unplayed remainder behind.
void SimServer::rotateMap() {
    const QString currentName = QStringLiteral("sv_maprotationcurrent");
    QString current = cvar(currentName).trimmed();
    if (current.isEmpty())
        current = cvar(QStringLiteral("sv_maprotation"));
    QStringList words = tokenize(current);
    while (words.size() >= 2) {
        const QString key = words.takeFirst().toLower();
        const QString value = words.takeFirst();
        if (key == u"gametype") {
            if (Cvar* var = findCvar(QStringLiteral("g_gametype"))) {
                var->latched = value;
                var->hasLatch = true;
            }
        } else if (key == u"map") {
            setCvar(currentName, words.join(u' '));
            if (!loadMap(value).isEmpty()) {
                applyLatched();
                setCvar(QStringLiteral("mapname"), stripBsp(value));
            }
            return;
        }
    }
    setCvar(currentName, QString());
    applyLatched();
}

// ---- report texts ----

QString SimServer::statusLine(const SimPlayer& p, Engine engine) {
    if (engine == Engine::Ioquake3) {
        // The name padded to 15 visible characters and a blank, its colour reset, no guid,
        // lastmsg or qport.
        const int pad = std::max(1, 16 - int(stripColours(p.name).size()));
        return QString::number(p.num).rightJustified(2) + u' ' +
               QString::number(p.score).rightJustified(5) + u' ' + p.ping.rightJustified(4) + u' ' +
               p.name + QString(pad, u' ') + QStringLiteral("^7") + p.address.leftJustified(39) +
               u' ' + QString::number(p.rate).rightJustified(5) + u'\n';
    }
    // Colour codes take no room on screen, so the padding ignores them.
    const int pad = std::max(0, 16 - int(stripColours(p.name).size()));
    // The score column is two places wider than its header, exactly as real servers print it.
    return QString::number(p.num).rightJustified(3) + u' ' +
           QString::number(p.score).rightJustified(7) + u' ' + p.ping.rightJustified(4) + u' ' +
           p.guid + u' ' + p.name + QString(pad, u' ') + QStringLiteral("^7") +
           QString::number(p.lastmsg).rightJustified(7) + u' ' + p.address.leftJustified(22) +
           QString::number(p.qport).rightJustified(5) + u' ' +
           QString::number(p.rate).rightJustified(5) + u'\n';
}

QString SimServer::statusText() const {
    QString text = QStringLiteral("map: ") + cvar(QStringLiteral("mapname")) + u'\n';
    if (m_engine == Engine::Ioquake3)
        text += QStringLiteral("cl score ping name            address                         "
                               "        rate \n"
                               "-- ----- ---- --------------- -------------------------------"
                               "-------- -----\n");
    else
        text += QStringLiteral("num score ping guid   name            lastmsg address        "
                               "       qport rate\n"
                               "--- ----- ---- ------ --------------- ------- ---------------"
                               "------ ----- -----\n");
    for (const SimPlayer& p : m_players)
        text += statusLine(p, m_engine);
    return text + u'\n';
}

QList<QPair<QString, QString>> SimServer::serverInfo() const {
    QList<QPair<QString, QString>> pairs;
    for (const Cvar& var : m_cvars)
        if (var.flags.contains(u'S') && !var.value.isEmpty())
            pairs.append({var.name, var.value});
    std::stable_sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    // Real servers add this key after the sorted variables.
    if (!findCvar(QStringLiteral("pswrd")))
        pairs.append({QStringLiteral("pswrd"), cvar(QStringLiteral("g_password")).isEmpty()
                                                   ? QStringLiteral("0")
                                                   : QStringLiteral("1")});
    return pairs;
}

QString SimServer::getstatusText() const {
    QString text = QStringLiteral("statusResponse\n");
    for (const auto& [key, value] : serverInfo())
        text += u'\\' + key + u'\\' + value;
    text += u'\n';
    for (const SimPlayer& p : m_players) {
        bool numeric = false;
        p.ping.toInt(&numeric);
        text +=
            QStringLiteral("%1 %2 \"%3\"\n")
                .arg(QString::number(p.score), numeric ? p.ping : QStringLiteral("999"), p.name);
    }
    return text;
}

QString SimServer::cvarlistText(const QString& pattern) const {
    QString text;
    for (const Cvar& var : m_cvars) {
        // The engine matches a prefix: "sv_maprotation" also lists sv_maprotationcurrent.
        if (!pattern.isEmpty() && !globMatch(pattern + u'*', var.name))
            continue;
        for (const QChar flag : kFlagOrder)
            text += var.flags.contains(flag) ? flag : QChar(u' ');
        text += u' ' + var.name + QStringLiteral(" \"") + var.value + QStringLiteral("\"\n");
    }
    // Both counts are of every variable, not of the matching ones.
    const QString total = QString::number(m_cvars.size());
    return text + u'\n' + total + QStringLiteral(" total cvars\n") + total +
           QStringLiteral(" cvar indexes\n");
}
