#include "HobRules.h"

#include "ListingValue.h"
#include "NumberRules.h"

#include <algorithm>

namespace hob {

std::optional<int> percentage(const QString& text) {
    if (!numbers::wholeInRange(text, 0, 100))
        return std::nullopt;
    return int(*numbers::wholeValue(text));
}

WaveCheck checkWave(const QString& text) {
    const std::optional<double> value = numbers::parse(text);
    if (!value)
        return WaveCheck::NotNumeric;
    return *value < 1 || *value > 30 ? WaveCheck::OutOfRange : WaveCheck::Ok;
}

int scrollPosition(const QString& value) {
    return std::clamp(listing::leadingWhole(value), 0, 100);
}

} // namespace hob
