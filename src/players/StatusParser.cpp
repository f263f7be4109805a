#include "StatusParser.h"

#include <QStringList>

#include <optional>

namespace {

bool isDigits(QStringView s) {
    if (s.isEmpty())
        return false;
    for (const QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool isInteger(QStringView s) {
    return isDigits(s.startsWith(u'-') ? s.mid(1) : s);
}

// The rule under the column names; console output printed while the command ran (chat,
// kills) may stand above the report, so the head is found by this line, not by counting.
bool isDashRule(QStringView line) {
    if (!line.contains(QLatin1String("--")))
        return false;
    for (const QChar c : line)
        if (c != u'-' && c != u' ')
            return false;
    return true;
}

enum class Column { Slot, Score, Ping, Guid, Name, Lastmsg, Address, Qport, Rate, Other };

Column columnNamed(QStringView name) {
    static const std::pair<const char*, Column> known[] = {
        {"num", Column::Slot},        {"cl", Column::Slot},         {"score", Column::Score},
        {"ping", Column::Ping},       {"guid", Column::Guid},       {"name", Column::Name},
        {"lastmsg", Column::Lastmsg}, {"address", Column::Address}, {"qport", Column::Qport},
        {"rate", Column::Rate}};
    for (const auto& [text, column] : known)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return column;
    return Column::Other;
}

// The columns before the name and after it, in report order.
struct Layout {
    QList<Column> before;
    QList<Column> after;
};

std::optional<Layout> layoutOf(QStringView header) {
    Layout layout;
    bool nameSeen = false;
    for (const QStringView word : header.split(u' ', Qt::SkipEmptyParts)) {
        const Column column = columnNamed(word);
        if (column == Column::Name && !nameSeen)
            nameSeen = true;
        else
            (nameSeen ? layout.after : layout.before) << column;
    }
    if (!nameSeen)
        return std::nullopt;
    return layout;
}

// An address is at most 22 characters and is padded to that width, so a 22-character address
// runs into a five-character qport with no blank between them.
constexpr qsizetype kAddressWidth = 22;

const QLatin1String kColourReset("^7");

void setField(StatusRow& row, Column column, const QString& text) {
    switch (column) {
    case Column::Slot:
        row.num = text;
        break;
    case Column::Score:
        row.score = text;
        break;
    case Column::Ping:
        row.ping = text;
        break;
    case Column::Guid:
        row.guid = text;
        break;
    case Column::Lastmsg:
        row.lastmsg = text;
        break;
    case Column::Address:
        row.address = text;
        break;
    case Column::Qport:
        row.qport = text;
        break;
    case Column::Rate:
        row.rate = text;
        break;
    case Column::Name:
    case Column::Other:
        break;
    }
}

bool emptyOrInteger(const QString& text) {
    return text.isEmpty() || isInteger(text);
}

// A 22-character address fills its column and runs into the qport: one word holds both.
bool holdsAddressAndQport(const Layout& layout, qsizetype column, QStringView word) {
    return layout.after[column] == Column::Qport && column > 0 &&
           layout.after[column - 1] == Column::Address && word.size() > kAddressWidth &&
           word.contains(u':');
}

std::optional<StatusRow> parsePlayerLine(QStringView line, const Layout& layout) {
    // Blanks pad the columns; whether or not the client collapsed them, a run of blanks is one
    // separator. The words are views into the line, so the name is cut out of it as printed.
    const QList<QStringView> words = line.split(u' ', Qt::SkipEmptyParts);
    const qsizetype before = layout.before.size();
    if (words.size() < before)
        return std::nullopt;
    StatusRow row;
    for (qsizetype i = 0; i < before; ++i)
        setField(row, layout.before[i], words[i].toString());

    // The report closes every name with a colour reset of its own, right after the name's
    // padding: glued to the next column (ioquake3 always, Call of Duty when the column is
    // full), standing alone (Call of Duty), or glued to a name that fills its width. Only
    // that one goes; a reset the player wrote at the end of his name stays.
    bool resetFound = false;
    qsizetype last = words.size() - 1; // the word the next column from the right takes
    for (qsizetype c = layout.after.size() - 1; c >= 0; --c, --last) {
        if (last < before)
            return std::nullopt;
        QStringView word = words[last];
        if (c <= 1 && word.startsWith(kColourReset)) {
            const QStringView bare = word.mid(kColourReset.size());
            if (c == 0 || holdsAddressAndQport(layout, c, bare)) {
                word = bare;
                resetFound = true;
            }
        }
        if (holdsAddressAndQport(layout, c, word)) {
            row.address = word.left(kAddressWidth).toString();
            row.qport = word.mid(kAddressWidth).toString();
            --c;
            continue;
        }
        setField(row, layout.after[c], word.toString());
    }
    if (last >= before) {
        QStringView lastWord = words[last];
        if (!resetFound && lastWord == kColourReset) {
            --last;
            if (last >= before)
                lastWord = words[last];
        } else if (!resetFound && lastWord.endsWith(kColourReset)) {
            lastWord.chop(kColourReset.size());
        }
        if (last >= before) {
            const qsizetype from = words[before].data() - line.data();
            row.name =
                line.mid(from, lastWord.data() + lastWord.size() - words[before].data()).toString();
        }
    }

    const bool slotShown =
        layout.before.contains(Column::Slot) || layout.after.contains(Column::Slot);
    if ((slotShown && !isDigits(row.num)) || !emptyOrInteger(row.score) ||
        !emptyOrInteger(row.lastmsg) || !emptyOrInteger(row.qport) || !emptyOrInteger(row.rate))
        return std::nullopt;
    return row;
}

} // namespace

StatusReport parseStatusReply(const QString& reply) {
    StatusReport report;
    if (reply.isEmpty())
        return report;
    const QStringView view(reply);

    qsizetype pos = 0;
    QStringView previousLine;
    std::optional<Layout> layout;
    while (!layout) {
        const qsizetype end = reply.indexOf(u'\n', pos);
        if (end < 0)
            break;
        const QStringView line = view.mid(pos, end - pos);
        if (isDashRule(line)) {
            layout = layoutOf(previousLine);
            if (!layout)
                break;
        }
        previousLine = line;
        pos = end + 1;
    }
    if (!layout) {
        report.malformed = true;
        return report;
    }

    for (;;) {
        const qsizetype end = reply.indexOf(u'\n', pos);
        if (end < 0) {
            report.malformed = true; // cut before the closing empty line
            return report;
        }
        const QStringView line = view.mid(pos, end - pos);
        if (line.trimmed().isEmpty())
            return report;
        const std::optional<StatusRow> row = parsePlayerLine(line, *layout);
        if (!row) {
            report.malformed = true;
            return report;
        }
        report.rows << *row;
        pos = end + 1;
    }
}
