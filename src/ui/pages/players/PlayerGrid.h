#pragma once

#include "players/GetstatusParser.h"
#include "players/PlayerExport.h"
#include "players/SlotCheck.h"
#include "players/StatusParser.h"

#include <QTableWidget>

#include <optional>

// The grid of players ("msfplayers"): the rows of the last listing, its selection and sort.
// A row a status report filled keeps the name as the server printed it beside the one shown.
class PlayerGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit PlayerGrid(QWidget* parent = nullptr);

    // Emptied first, so no selection outlives the list it was made in; then sorted.
    void showStatusRows(const StatusReport& report, bool plainNames);
    void showQueryRows(const QueryReport& report, bool plainNames);

    // The selected player as the grid read him: the name as printed, the address as listed.
    // A row read in Query Mode has an empty slot. None while no row is selected.
    struct Selected {
        SlotOccupant occupant;
        QString shownName;
        QString guid;
    };
    std::optional<Selected> selectedPlayer() const;

    // Removes the row of a slot (and of the name as printed, when given), if still listed.
    void removePlayer(const QString& slot, const QString& printedName = {});
    QList<playerexport::Row> exportRows() const;
    // Sorts on the chooser's entry (0 the first column after the blank one); none: unsorted.
    void sortOn(int chosen);

private:
    void addRow(int at, const QStringList& cells);
    int rowOfSlot(const QString& slot, const QString& printedName) const;

    int m_sortChoice = -1;
};
