#include "AliasGroups.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace {

// Sets of row positions, joined through any key they share.
class Joins {
public:
    explicit Joins(qsizetype size) : m_parent(size) {
        std::iota(m_parent.begin(), m_parent.end(), 0);
    }
    qsizetype root(qsizetype i) {
        while (m_parent[i] != i)
            i = m_parent[i] = m_parent[m_parent[i]];
        return i;
    }
    // Joins `i` with the first row that had the same key.
    void byKey(const QString& key, qsizetype i) {
        if (key.isEmpty())
            return;
        const auto first = m_firstWithKey.constFind(key);
        if (first == m_firstWithKey.cend())
            m_firstWithKey.insert(key, i);
        else
            m_parent[root(i)] = root(*first);
    }

private:
    QList<qsizetype> m_parent;
    QHash<QString, qsizetype> m_firstWithKey;
};

} // namespace

QList<AliasGroup> groupAliases(const QList<SightingRow>& given) {
    QList<SightingRow> rows = given;
    std::sort(rows.begin(), rows.end(), [](const SightingRow& a, const SightingRow& b) {
        return a.lastSeen != b.lastSeen ? a.lastSeen > b.lastSeen : a.id > b.id;
    });
    rows.erase(std::unique(rows.begin(), rows.end(),
                           [](const SightingRow& a, const SightingRow& b) { return a.id == b.id; }),
               rows.end());
    Joins joins(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const SightingRow& row = rows[i];
        joins.byKey(row.address.isEmpty() ? QString() : QLatin1String("address:") + row.address, i);
        joins.byKey(row.guid.isEmpty() ? QString() : QLatin1String("guid:") + row.guid, i);
        if (row.address.isEmpty() && row.guid.isEmpty())
            joins.byKey(QLatin1String("name:") + row.cleanName, i);
    }
    QList<AliasGroup> groups;
    QHash<qsizetype, qsizetype> groupOfRoot;
    // Rows come newest first, so the first of each group makes its newest values.
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const SightingRow& row = rows[i];
        const qsizetype root = joins.root(i);
        auto found = groupOfRoot.constFind(root);
        if (found == groupOfRoot.cend()) {
            found = groupOfRoot.insert(root, groups.size());
            groups.append(AliasGroup{{}, {}, {}, {}, row.firstSeen, row.lastSeen});
        }
        AliasGroup& group = groups[*found];
        if (group.address.isEmpty())
            group.address = row.address;
        if (group.guid.isEmpty())
            group.guid = row.guid;
        if (!group.names.contains(row.cleanName))
            group.names.append(row.cleanName);
        if (!group.servers.contains(row.server))
            group.servers.append(row.server);
        group.firstSeen = std::min(group.firstSeen, row.firstSeen);
    }
    return groups;
}
