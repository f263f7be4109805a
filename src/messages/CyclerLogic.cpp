#include "CyclerLogic.h"

#include "base/NumberRules.h"

namespace cycler {

bool tickDue(qint16& minutes, int interval) {
    // At or past the interval counts as due, so that a shorter interval typed while the
    // counter is already beyond it cannot leave the counter running away.
    if (minutes != 0 && minutes < interval) {
        ++minutes;
        return false;
    }
    minutes = 1;
    return true;
}

int intervalMinutes(const QString& text) {
    const std::optional<qint16> value = numbers::wholeValue(text);
    if (!value || *value < kMinInterval || *value > kMaxInterval)
        return 0;
    return *value;
}

int pickMessage(const QStringList& messages, qint16& position) {
    if (messages.isEmpty())
        return -1;
    if (position < 0 || position >= messages.size())
        position = 0;
    return position;
}

namespace {

enum class Token { None, IpPort, ServerName, FriendlyFire };

struct Piece {
    QString text;
    Token token = Token::None; // a placeholder; None for text as written
};

// The message cut at its placeholders. Each token is looked for in the written text only,
// in order, so a placeholder cannot come out of another one's value.
QList<Piece> cutAtPlaceholders(const QString& message) {
    QList<Piece> pieces{Piece{message}};
    const std::pair<QLatin1String, Token> tokens[] = {{QLatin1String("%IP%"), Token::IpPort},
                                                      {QLatin1String("%SN%"), Token::ServerName},
                                                      {QLatin1String("%FF%"), Token::FriendlyFire}};
    for (const auto& [name, token] : tokens) {
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (pieces[i].token != Token::None)
                continue;
            const QString text = pieces[i].text;
            const qsizetype at = text.indexOf(name, 0, Qt::CaseInsensitive);
            if (at < 0)
                continue;
            pieces[i].text = text.left(at);
            pieces.insert(i + 1, Piece{QString(), token});
            pieces.insert(i + 2, Piece{text.mid(at + name.size())});
            break;
        }
    }
    return pieces;
}

} // namespace

Placeholders placeholdersIn(const QString& message) {
    Placeholders found;
    for (const Piece& piece : cutAtPlaceholders(message)) {
        found.ipPort |= piece.token == Token::IpPort;
        found.serverName |= piece.token == Token::ServerName;
        found.friendlyFire |= piece.token == Token::FriendlyFire;
    }
    return found;
}

QString fillPlaceholders(const QString& message, const PlaceholderValues& values) {
    QString text;
    for (const Piece& piece : cutAtPlaceholders(message)) {
        switch (piece.token) {
        case Token::None:
            text += piece.text;
            break;
        case Token::IpPort:
            text += values.ipPort;
            break;
        case Token::ServerName:
            text += values.serverName;
            break;
        case Token::FriendlyFire:
            text += friendlyFireWord(values.friendlyFire);
            break;
        }
    }
    return text;
}

QString serverNameListing() {
    return QStringLiteral("cvarlist sv_hostname");
}

QString serverNameVariable() {
    return QStringLiteral("sv_hostname");
}

QString friendlyFireListing() {
    return QStringLiteral("cvarlist setfriendlyfire");
}

QString friendlyFireVariable() {
    return QStringLiteral("setfriendlyfire");
}

QString friendlyFireWord(const QString& value) {
    const std::optional<qint16> number = numbers::wholeValue(value);
    if (!number)
        return {};
    switch (*number) {
    case 0:
        return QStringLiteral("Off");
    case 1:
        return QStringLiteral("On");
    case 2:
        return QStringLiteral("Reflective");
    case 3:
        return QStringLiteral("Shared");
    default:
        return {};
    }
}

} // namespace cycler
