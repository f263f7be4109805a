#include "MessageSets.h"

#include "app/SharedState.h"

#include <algorithm>

MessageSets& MessageSets::of(SharedState& shared) {
    if (!shared.messageSets)
        shared.messageSets = std::make_shared<MessageSets>();
    return *shared.messageSets;
}

MessageSets::MessageSets(QObject* parent) : QObject(parent) {}

int MessageSets::count() const {
    return int(std::count_if(m_names.cbegin(), m_names.cend(),
                             [](const QString& name) { return !name.isEmpty(); }));
}

int MessageSets::slotNamed(const QString& name) const {
    return name.isEmpty() ? -1 : int(m_names.indexOf(name));
}

void MessageSets::load(const QStringList& names, const QList<QStringList>& sets) {
    m_savedNames = QStringList(kSlots);
    m_savedSets = QList<QStringList>(kSlots);
    for (int slot = 0; slot < kSlots; ++slot) {
        m_savedNames[slot] = names.value(slot);
        m_savedSets[slot] = sets.value(slot);
    }
    m_names = m_savedNames;
    m_sets = m_savedSets;
    m_shown = 0;
    m_pending = false;
    emit changed();
}

void MessageSets::markSaved() {
    m_savedNames = m_names;
    m_savedSets = m_sets;
    m_pending = false;
    emit changed();
}

void MessageSets::revertToSaved() {
    m_names = m_savedNames;
    m_sets = m_savedSets;
    m_pending = false;
    emit changed();
}

void MessageSets::show(int slot) {
    m_shown = qBound(0, slot, kSlots - 1);
    emit changed();
}

int MessageSets::addSet(const QString& name) {
    const qsizetype free = m_names.indexOf(QString());
    if (name.isEmpty() || free < 0)
        return -1;
    m_names[free] = name;
    m_sets[free].clear();
    edited();
    return int(free);
}

void MessageSets::removeSet(int slot) {
    if (slot < 0 || slot >= kSlots)
        return;
    m_names[slot].clear();
    m_sets[slot].clear();
    edited();
}

void MessageSets::appendMessage(int slot, const QString& text) {
    if (slot < 0 || slot >= kSlots)
        return;
    m_sets[slot] << text;
    edited();
}

bool MessageSets::replaceMessage(int slot, int row, const QString& text) {
    if (slot < 0 || slot >= kSlots || row < 0 || row >= m_sets.at(slot).size())
        return false;
    m_sets[slot][row] = text;
    edited();
    return true;
}

bool MessageSets::swapMessages(int slot, int a, int b) {
    if (slot < 0 || slot >= kSlots)
        return false;
    QStringList& messages = m_sets[slot];
    if (a < 0 || b < 0 || a >= messages.size() || b >= messages.size())
        return false;
    messages.swapItemsAt(a, b);
    edited();
    return true;
}

bool MessageSets::removeMessage(int slot, int row) {
    if (slot < 0 || slot >= kSlots || row < 0 || row >= m_sets.at(slot).size())
        return false;
    m_sets[slot].removeAt(row);
    edited();
    return true;
}

void MessageSets::setPending(bool pending) {
    m_pending = pending;
    emit changed();
}

void MessageSets::edited() {
    m_pending = true;
    emit changed();
}
