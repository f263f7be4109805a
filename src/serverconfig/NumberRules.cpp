#include "NumberRules.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace numbers {

std::optional<double> parse(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
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
