#include "PlayerSort.h"

#include "PlayerColumns.h"
#include "base/NumberRules.h"

int comparePlayerCells(const QString& a, const QString& b) {
    const std::optional<double> x = numbers::parse(a);
    const std::optional<double> y = numbers::parse(b);
    if (x && y)
        return *x < *y ? -1 : (*y < *x ? 1 : 0);
    if (x != y) // exactly one of them is a number
        return x ? -1 : 1;
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded : a.compare(b, Qt::CaseSensitive);
}

Qt::SortOrder playerSortOrder(int column) {
    return column == playercol::Score ? Qt::DescendingOrder : Qt::AscendingOrder;
}
