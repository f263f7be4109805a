#pragma once

// Shared by the Players page tests: players for the simulated server and views of the grid.

#include "support/Harness.h"
#include "ui/pages/PlayersPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace players_fixture {

inline SimPlayer player(int num, const QString& name, const QString& ping = QStringLiteral("50"),
                        int score = 0) {
    const QString address = QStringLiteral("192.0.2.%1:28960").arg(num + 1);
    return {num, score, ping, QString::number(400000 + num), name, 50, address, 2000 + num, 25000};
}

inline PlayersPage* page(const Harness& h) {
    return h.main->pages().players;
}
inline QTableWidget* grid(const Harness& h) {
    return h.find<QTableWidget>(QStringLiteral("msfplayers"));
}
inline QString cell(const Harness& h, int row, int column) {
    const QTableWidgetItem* item = grid(h)->item(row, column);
    return item ? item->text() : QString();
}
// One column of the grid, top to bottom.
inline QStringList column(const Harness& h, int c) {
    QStringList texts;
    for (int r = 0; r < grid(h)->rowCount(); ++r)
        texts << cell(h, r, c);
    return texts;
}
inline void tick(const Harness& h, const char* box, bool on) {
    h.find<QCheckBox>(QLatin1String(box))->setChecked(on);
}
inline void populate(const Harness& h) {
    h.find<QPushButton>(QStringLiteral("cmdplypop"))->click();
}
// The 999 watch as "name@slot#count" entries.
inline QStringList watched(const Harness& h) {
    QStringList out;
    for (const Player999Entry& e : h.main->session().state().Player999)
        out << e.name + u'@' + e.num + u'#' + QString::number(e.count);
    return out;
}
inline QStringList titles(const Harness& h) {
    return h.dialogs.messageTitles();
}

} // namespace players_fixture
