#include "SlotCheck.h"

#include "PlayerNames.h"

#include <QCoreApplication>

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
    if (holderName.isEmpty())
        return QCoreApplication::translate("SlotCheck",
                                           "%1 is no longer in slot %2 (the slot is empty)")
            .arg(name, slot);
    return QCoreApplication::translate("SlotCheck", "%1 is no longer in slot %2 (%3 is there now)")
        .arg(name, slot, holderName);
}
