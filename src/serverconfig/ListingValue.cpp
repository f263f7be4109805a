#include "ListingValue.h"

#include "base/NumberRules.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace listing {

std::optional<int> checkState(const QString& value) {
    const std::optional<qint16> whole = numbers::wholeValue(value);
    if (!whole || *whole < 0 || *whole > 2)
        return std::nullopt;
    return int(*whole);
}

int leadingWhole(const QString& value) {
    static const QRegularExpression leading(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = leading.match(value);
    if (!match.hasMatch())
        return 0;
    const double number = match.captured(0).trimmed().toDouble();
    const double rounded = std::nearbyint(number); // the default rounding: halves to even
    if (!std::isfinite(rounded))
        return 0;
    if (rounded > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (rounded < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(rounded);
}

} // namespace listing
