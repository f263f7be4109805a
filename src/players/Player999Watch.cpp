#include "Player999Watch.h"

#include <algorithm>
#include <limits>

namespace {

const QLatin1String k999("999");

} // namespace

Player999Watch::Player999Watch(QList<Player999Entry>& entries) : m_entries(entries) {}

Player999Watch::~Player999Watch() {
    compact();
}

bool Player999Watch::hasLeft(qsizetype at) const {
    return at < m_left.size() && m_left[at];
}

void Player999Watch::index() {
    m_at.clear();
    m_at.reserve(m_entries.size());
    // Backwards, so that of two equal entries the first is the one found, as a search from the
    // top finds it.
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i)
        if (!hasLeft(i))
            m_at.insert({m_entries[i].name, m_entries[i].num}, i);
    m_indexed = true;
}

qsizetype Player999Watch::find(const QString& name, const QString& num) {
    // A watch that looks up one player searches the list once; one that sees a whole report
    // indexes the list at its second look-up and then finds every player in constant time.
    if (!m_indexed && m_lookups++ == 0) {
        for (qsizetype i = 0; i < m_entries.size(); ++i)
            if (!hasLeft(i) && m_entries[i].name == name && m_entries[i].num == num)
                return i;
        return -1;
    }
    if (!m_indexed)
        index();
    const auto it = m_at.constFind({name, num});
    return it == m_at.constEnd() ? -1 : *it;
}

void Player999Watch::leave(qsizetype at) {
    if (m_left.isEmpty())
        m_left.resize(m_entries.size(), false);
    m_left[at] = true;
    if (m_indexed)
        m_at.remove({m_entries[at].name, m_entries[at].num});
}

void Player999Watch::compact() {
    if (m_left.isEmpty())
        return;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (!m_left[i])
            m_entries[kept++] = std::move(m_entries[i]);
    m_entries.resize(kept);
    m_left.clear();
    if (m_indexed)
        index();
}

void Player999Watch::clearSeen() {
    for (Player999Entry& entry : m_entries)
        entry.seen = false;
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
            // The entries after it keep their order, each with its own seen mark: an entry
            // not seen yet in this cycle belongs to a player who may have left.
            leave(at);
        }
        return;
    }
    if (ping == k999) {
        Player999Entry entry;
        entry.count = 1;
        entry.name = trimmed;
        entry.num = num;
        entry.seen = true;
        if (m_indexed)
            m_at.insert({trimmed, num}, m_entries.size());
        if (!m_left.isEmpty())
            m_left << false;
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
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (!hasLeft(i) && m_entries[i].seen && m_entries[i].count >= checks)
            entries << m_entries[i];
    return entries;
}

void Player999Watch::markKicked(const Player999Entry& entry) {
    const qsizetype at = find(entry.name, entry.num);
    if (at >= 0)
        m_entries[at].seen = false;
}

void Player999Watch::cleanUp() {
    compact();
    if (m_entries.removeIf([](const Player999Entry& entry) { return !entry.seen; }) > 0 &&
        m_indexed)
        index();
}

bool Player999Watch::isMapChange(const QStringList& pings) {
    return pings.size() >= 2 &&
           std::all_of(pings.cbegin(), pings.cend(), [](const QString& p) { return p == k999; });
}
