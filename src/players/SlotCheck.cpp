#include "SlotCheck.h"

#include "PlayerNames.h"

SlotHolders::SlotHolders(const StatusReport& report) : m_whole(!report.malformed) {
    m_bySlot.reserve(report.rows.size());
    for (const StatusRow& row : report.rows)
        if (!m_bySlot.contains(row.num)) // the first line of a slot, as a reader going down
            m_bySlot.insert(row.num, &row);
}

SlotCheck SlotHolders::check(const SlotOccupant& selected) const {
    const StatusRow* row = m_bySlot.value(selected.slot);
    if (!row)
        return {m_whole ? SlotCheck::Verdict::Empty : SlotCheck::Verdict::Unknown, {}};
    const QString name = selected.plainName ? stripcolours(row->name).trimmed() : row->name;
    const bool sameAddress =
        row->address.isEmpty() || selected.address.isEmpty() || row->address == selected.address;
    return {name == selected.name && sameAddress ? SlotCheck::Verdict::Holds
                                                 : SlotCheck::Verdict::Other,
            *row};
}

QString slotLostText(const QString& name, const QString& slot, const QString& holderName) {
    return name + QLatin1String(" is no longer in slot ") + slot +
           (holderName.isEmpty()
                ? QStringLiteral(" (the slot is empty)")
                : QLatin1String(" (") + holderName + QLatin1String(" is there now)"));
}
