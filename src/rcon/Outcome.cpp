#include "Outcome.h"

#include <QRegularExpression>

namespace {

// How Quake III-engine servers say that a command did not happen. Matched at the start of a
// line, in any letter case, once its edge blanks and colour codes are gone.
const QRegularExpression& refusalPattern() {
    static const QRegularExpression pattern(QStringLiteral("^(?:unknown command\\b"
                                                           "|usage:"
                                                           "|client \\S+ is not active"
                                                           "|bad client slot"
                                                           "|player .+ is not on the server"
                                                           "|cannot kick host player"
                                                           "|couldn't exec "
                                                           "|can't find map "
                                                           "|server is not running"
                                                           "|bad rconpassword"
                                                           "|no rconpassword set on the server"
                                                           "|\\w+ is read only\\.?$"
                                                           "|\\w+ is write protected\\.?$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

const QRegularExpression& latchedPattern() {
    static const QRegularExpression pattern(QStringLiteral("^\\w+ will be changed upon restarting"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Calls `visit` with each line of the reply, cleaned, until it returns true.
template <typename Visit> bool anyLine(const QString& reply, Visit visit) {
    for (QStringView line : QStringView(reply).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            continue;
        if (visit(replytext::withoutColours(line).trimmed()))
            return true;
    }
    return false;
}

} // namespace

namespace replytext {

QString withoutColours(QStringView text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('^') && i + 1 < text.size()) {
            ++i;
            continue;
        }
        plain += text[i];
    }
    return plain;
}

QString refusalLine(const QString& reply) {
    QString found;
    anyLine(reply, [&found](const QString& line) {
        if (!refusalPattern().match(line).hasMatch())
            return false;
        found = line;
        return true;
    });
    return found;
}

bool isPasswordRefusal(const QString& reply) {
    const QString line = reply.trimmed();
    return line.compare(QLatin1String("Bad rconpassword."), Qt::CaseInsensitive) == 0 ||
           line.compare(QLatin1String("No rconpassword set on the server."), Qt::CaseInsensitive) ==
               0;
}

} // namespace replytext

Outcome judge(const Request& request, const Reply& reply) {
    Q_UNUSED(request);
    switch (reply.status) {
    case Reply::Status::Replied: {
        const QString refusal = replytext::refusalLine(reply.text);
        if (!refusal.isEmpty())
            return {Outcome::Kind::Refused, refusal};
        const bool latched = anyLine(reply.text, [](const QString& line) {
            return latchedPattern().match(line).hasMatch();
        });
        return {latched ? Outcome::Kind::TakenAtNextMap : Outcome::Kind::Taken, {}};
    }
    case Reply::Status::Silent:
        return {Outcome::Kind::Taken, {}};
    case Reply::Status::NoReply:
    case Reply::Status::Sent:
        return {Outcome::Kind::NoAnswer, {}};
    case Reply::Status::NotConnected:
    case Reply::Status::NoRoute:
    case Reply::Status::SendFailed:
    case Reply::Status::Unsendable:
    case Reply::Status::Cancelled:
        break;
    }
    return {Outcome::Kind::NotSent, {}};
}
