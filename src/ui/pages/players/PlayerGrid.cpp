#include "PlayerGrid.h"

#include "players/ColumnFormat.h"
#include "players/PlayerColumns.h"
#include "players/PlayerNames.h"
#include "players/PlayerSort.h"

#include <QHeaderView>

namespace {

// Sorting the grid compares cells the way the player list wants, not as plain text.
class PlayerCell : public QTableWidgetItem {
public:
    explicit PlayerCell(const QString& text) : QTableWidgetItem(text) {}
    bool operator<(const QTableWidgetItem& other) const override {
        return comparePlayerCells(text(), other.text()) < 0;
    }
};

// The headers as the column format spells them.
constexpr const char* kHeaders[] = {
    QT_TRANSLATE_NOOP("PlayerGrid", "Num"),         QT_TRANSLATE_NOOP("PlayerGrid", "Guid"),
    QT_TRANSLATE_NOOP("PlayerGrid", "Player"),      QT_TRANSLATE_NOOP("PlayerGrid", "Ping"),
    QT_TRANSLATE_NOOP("PlayerGrid", "Score"),       QT_TRANSLATE_NOOP("PlayerGrid", "Address"),
    QT_TRANSLATE_NOOP("PlayerGrid", "Qport"),       QT_TRANSLATE_NOOP("PlayerGrid", "Rate"),
    QT_TRANSLATE_NOOP("PlayerGrid", "Last Message")};

QString shownHeader(const QString& header) {
    for (const char* known : kHeaders)
        if (header == QLatin1String(known))
            return PlayerGrid::tr(known);
    return header;
}

} // namespace

PlayerGrid::PlayerGrid(QWidget* parent) : QTableWidget(parent) {
    const QList<GridColumn> columns = parseColumnFormat(QString::fromLatin1(playercol::kFormat));
    setColumnCount(int(columns.size()));
    setObjectName(QStringLiteral("msfplayers"));
    setToolTip(tr("Players on the server at last Populate"));
    setAccessibleName(tr("Players"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setWordWrap(false);
    // The header's text, blanks included, measured in the grid's font gives the column's
    // starting width; a header never starts cut off.
    const QFontMetrics cells = fontMetrics();
    const QFontMetrics headers = horizontalHeader()->fontMetrics();
    for (int c = 0; c < columns.size(); ++c) {
        const QString title = shownHeader(columns[c].header);
        auto* header = new QTableWidgetItem(title);
        header->setTextAlignment(columns[c].alignment);
        setHorizontalHeaderItem(c, header);
        const int width = qMax(cells.horizontalAdvance(columns[c].widthText),
                               headers.horizontalAdvance(title) + 16);
        setColumnWidth(c, width + 8);
    }
    horizontalHeader()->setStretchLastSection(true);
    setMinimumHeight(12 * verticalHeader()->defaultSectionSize());
}

void PlayerGrid::addRow(int at, const QStringList& cells) {
    insertRow(at);
    for (int c = 0; c < cells.size(); ++c) {
        // A cell aligned as its column's header.
        auto* item = new PlayerCell(cells[c]);
        item->setTextAlignment(Qt::Alignment(horizontalHeaderItem(c)->textAlignment()));
        setItem(at, c, item);
    }
}

void PlayerGrid::showStatusRows(const StatusReport& report, bool plainNames) {
    setRowCount(0);
    for (int i = 0; i < report.rows.size(); ++i) {
        const StatusRow& row = report.rows[i];
        // A blank between colour codes at either end of a name is no part of it.
        const QString shown = plainNames ? stripcolours(row.name).trimmed() : row.name;
        addRow(i, {QString(), row.num, row.guid, shown, row.ping, row.score, row.address, row.qport,
                   row.rate, QString()});
        // The slot check compares the name as the server printed it, whatever is shown.
        item(i, playercol::Player)->setData(Qt::UserRole, row.name);
    }
    sortOn(m_sortChoice);
}

void PlayerGrid::showQueryRows(const QueryReport& report, bool plainNames) {
    setRowCount(0);
    for (const QueryRow& row : report.rows) {
        const QString name = plainNames ? stripcolours(row.name).trimmed() : row.name;
        addRow(0, {QString(), QString(), QString(), name, row.ping, row.score, QString(), QString(),
                   QString(), QString()});
    }
    sortOn(m_sortChoice);
}

std::optional<PlayerGrid::Selected> PlayerGrid::selectedPlayer() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    const int row = rows.first().row();
    const auto text = [this, row](int column) {
        const QTableWidgetItem* cell = item(row, column);
        return cell ? cell->text() : QString();
    };
    const QTableWidgetItem* name = item(row, playercol::Player);
    const QVariant printed = name ? name->data(Qt::UserRole) : QVariant();
    const QString shown = text(playercol::Player);
    return Selected{{text(playercol::Num), printed.isValid() ? printed.toString() : shown,
                     text(playercol::Address)},
                    shown,
                    text(playercol::Guid)};
}

int PlayerGrid::rowOfSlot(const QString& slot, const QString& printedName) const {
    for (int r = 0; r < rowCount(); ++r) {
        const QTableWidgetItem* num = item(r, playercol::Num);
        const QTableWidgetItem* name = item(r, playercol::Player);
        if (num && num->text() == slot &&
            (printedName.isNull() || (name && name->data(Qt::UserRole) == printedName)))
            return r;
    }
    return -1;
}

void PlayerGrid::removePlayer(const QString& slot, const QString& printedName) {
    const int at = rowOfSlot(slot, printedName);
    if (at < 0)
        return;
    removeRow(at);
    // The next action needs a new choice: the row below would otherwise inherit the
    // selection and be acted on by a second click.
    clearSelection();
}

QList<playerexport::Row> PlayerGrid::exportRows() const {
    QList<playerexport::Row> rows;
    for (int r = 0; r < rowCount(); ++r) {
        const auto text = [this, r](int column) {
            const QTableWidgetItem* cell = item(r, column);
            return cell ? cell->text() : QString();
        };
        rows << playerexport::Row{text(playercol::Address), text(playercol::Guid),
                                  text(playercol::Player)};
    }
    return rows;
}

void PlayerGrid::sortOn(int chosen) {
    m_sortChoice = chosen;
    if (rowCount() < 2)
        return;
    const int column = chosen + 1;
    sortItems(column, playerSortOrder(column));
}
