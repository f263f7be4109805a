#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

struct SharedState;

// The message sets all servers share: ten slots, each a name and its messages, as the
// settings file holds them (the saved copy) and as the operator is editing them (the working
// copy). Every change to either copy, to the set shown or to the marks is told by changed(),
// so that each server's Messages page shows the same sets.
class MessageSets : public QObject {
    Q_OBJECT
public:
    static constexpr int kSlots = 10;

    // The sets of every workspace of the window, made when first asked for.
    static MessageSets& of(SharedState& shared);

    explicit MessageSets(QObject* parent = nullptr);

    // The working copy. A slot without a name holds no set.
    const QStringList& names() const { return m_names; }
    QStringList messages(int slot) const { return m_sets.value(slot); }
    // The saved copy, which the cycler broadcasts from.
    const QStringList& savedNames() const { return m_savedNames; }
    QStringList savedMessages(int slot) const { return m_savedSets.value(slot); }
    // The sets in the working copy.
    int count() const;
    int freeSlots() const { return kSlots - count(); }
    // The first slot with exactly this name; -1 when none (an empty name matches nothing).
    int slotNamed(const QString& name) const;
    // A name that is a set of the working copy.
    bool holdsSet(int slot) const { return !m_names.value(slot).isEmpty(); }

    // Both copies become these sets (missing slots empty), nothing is pending and the first
    // slot is shown.
    void load(const QStringList& names, const QList<QStringList>& sets);
    // The working copy was written: it is the saved copy now.
    void markSaved();
    // The working copy becomes the saved copy again; nothing is pending.
    void revertToSaved();

    // The slot shown for editing.
    int shown() const { return m_shown; }
    void show(int slot);

    // Changes to the working copy; each marks the copy pending. A new set takes the lowest
    // free slot, empty; -1 when every slot is used.
    int addSet(const QString& name);
    void removeSet(int slot);
    void appendMessage(int slot, const QString& text);
    // False when the position is outside the set.
    bool replaceMessage(int slot, int row, const QString& text);
    bool swapMessages(int slot, int a, int b);
    bool removeMessage(int slot, int row);

    // The working copy holds changes the file has not.
    bool pending() const { return m_pending; }
    void setPending(bool pending);
    // A message of the shown set is open in an editor.
    bool editing() const { return m_editing; }
    void setEditing(bool editing) { m_editing = editing; }

signals:
    void changed();

private:
    void edited();

    QList<QStringList> m_savedSets = QList<QStringList>(kSlots);
    QList<QStringList> m_sets = QList<QStringList>(kSlots);
    QStringList m_savedNames = QStringList(kSlots);
    QStringList m_names = QStringList(kSlots);
    int m_shown = 0;
    bool m_pending = false;
    bool m_editing = false;
};
