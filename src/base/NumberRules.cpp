#include "NumberRules.h"

#include <cmath>
#include <limits>

namespace numbers {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads the digits from `at` on; returns how many there were.
qsizetype skipDigits(QStringView text, qsizetype& at) {
    const qsizetype start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at - start;
}

} // namespace

// One pass over the text: a pattern with nested repeats would take time that grows with the
// square of a long run of digits.
std::optional<double> parse(const QString& text) {
    QStringView number(text);
    while (!number.isEmpty() && isBlank(number.front()))
        number = number.mid(1);
    while (!number.isEmpty() && isBlank(number.back()))
        number.chop(1);
    qsizetype at = 0;
    if (at < number.size() && (number[at] == u'+' || number[at] == u'-'))
        ++at;
    qsizetype digits = skipDigits(number, at);
    if (at < number.size() && number[at] == u'.') {
        ++at;
        digits += skipDigits(number, at);
    }
    if (digits == 0)
        return std::nullopt;
    if (at < number.size() && (number[at] == u'e' || number[at] == u'E')) {
        ++at;
        if (at < number.size() && (number[at] == u'+' || number[at] == u'-'))
            ++at;
        if (skipDigits(number, at) == 0)
            return std::nullopt;
    }
    if (at != number.size())
        return std::nullopt;
    bool ok = false;
    const double value = number.toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint16> wholeValue(const QString& text) {
    const std::optional<double> value = parse(text);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value); // the default rounding: halves to even
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(rounded);
}

bool wholeInRange(const QString& text, int low, int high) {
    const std::optional<qint16> value = wholeValue(text);
    return value && *value >= low && *value <= high;
}

qint16 wholeOrZero(const QString& text) {
    return wholeValue(text).value_or(0);
}

} // namespace numbers
