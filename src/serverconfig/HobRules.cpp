#include "HobRules.h"

#include "ListingValue.h"
#include "base/NumberRules.h"

#include <algorithm>

namespace hob {

WaveCheck checkWave(const QString& text) {
    const std::optional<double> value = numbers::parse(text);
    if (!value)
        return WaveCheck::NotNumeric;
    return *value < 1 || *value > 30 ? WaveCheck::OutOfRange : WaveCheck::Ok;
}

int percentageShown(const QString& value) {
    return std::clamp(listing::leadingWhole(value), 0, 100);
}

} // namespace hob
