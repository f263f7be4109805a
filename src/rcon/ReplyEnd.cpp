#include "ReplyEnd.h"

namespace replyend {
namespace {

// How far into a status reply its line of dashes may stand (console output that came along
// may precede the header).
constexpr qsizetype kHeaderReach = 4096;

QString verbOf(const QString& command) {
    const QString trimmed = command.trimmed();
    return trimmed.section(QLatin1Char(' '), 0, 0).toLower();
}

// The last line of the text, when the text ends with its line feed; null otherwise (the
// line may still be growing).
QStringView lastLine(const QString& text) {
    if (!text.endsWith(QLatin1Char('\n')))
        return {};
    const QStringView body = QStringView(text).chopped(1);
    return body.mid(body.lastIndexOf(QLatin1Char('\n')) + 1);
}

bool isCountLine(QStringView line, QLatin1String words) {
    line = line.trimmed();
    if (!line.endsWith(words))
        return false;
    const QStringView number = line.chopped(words.size()).trimmed();
    if (number.isEmpty())
        return false;
    for (const QChar c : number)
        if (!c.isDigit())
            return false;
    return true;
}

} // namespace

bool isComplete(const QString& command, const QString& text) {
    const QString verb = verbOf(command);
    if (verb == u"fdir")
        return isCountLine(lastLine(text), QLatin1String(" files listed"));
    if (verb == u"cvarlist")
        return isCountLine(lastLine(text), QLatin1String(" cvar indexes"));
    if (verb == u"status") {
        // The header, the dashes, the rows, then one empty line. A reply cut inside a datagram
        // never ends with two line feeds, since every row holds text.
        if (!text.endsWith(QLatin1String("\n\n")))
            return false;
        // The line of dashes stands under the header, near the start.
        return QStringView(text).left(kHeaderReach).contains(QLatin1String("\n---"));
    }
    return false;
}

} // namespace replyend
