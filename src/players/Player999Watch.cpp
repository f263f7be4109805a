#include "Player999Watch.h"

#include <algorithm>
#include <limits>

namespace {

const QLatin1String k999("999");

} // namespace

void Player999Watch::clearSeen() {
    for (Player999Entry& entry : m_entries)
        entry.seen = false;
}

qsizetype Player999Watch::find(const QString& name, const QString& num) const {
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].name == name && m_entries[i].num == num)
            return i;
    return -1;
}

void Player999Watch::check(const QString& name, const QString& ping, const QString& num) {
    const QString trimmed = name.trimmed();
    const qsizetype at = find(trimmed, num);
    if (at >= 0) {
        Player999Entry& entry = m_entries[at];
        if (ping == k999) {
            if (entry.count < std::numeric_limits<qint16>::max())
                ++entry.count;
            entry.seen = true;
        } else {
            // The later entries move up whole, each keeping its own seen mark: an entry not
            // seen yet in this cycle belongs to a player who may have left.
            m_entries.removeAt(at);
        }
        return;
    }
    if (ping == k999) {
        Player999Entry entry;
        entry.count = 1;
        entry.name = trimmed;
        entry.num = num;
        entry.seen = true;
        m_entries << entry;
    }
}

void Player999Watch::hold(const QString& name, const QString& num) {
    const qsizetype at = find(name.trimmed(), num);
    if (at >= 0)
        m_entries[at].seen = true;
}

QList<Player999Entry> Player999Watch::due(int checks) const {
    QList<Player999Entry> entries;
    for (const Player999Entry& entry : m_entries)
        if (entry.seen && entry.count >= checks)
            entries << entry;
    return entries;
}

void Player999Watch::markKicked(const Player999Entry& entry) {
    const qsizetype at = find(entry.name, entry.num);
    if (at >= 0)
        m_entries[at].seen = false;
}

void Player999Watch::cleanUp() {
    m_entries.removeIf([](const Player999Entry& entry) { return !entry.seen; });
}

bool Player999Watch::isMapChange(const QStringList& pings) {
    return pings.size() >= 2 &&
           std::all_of(pings.cbegin(), pings.cend(), [](const QString& p) { return p == k999; });
}
