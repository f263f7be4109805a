#include "PlayerSearchDialog.h"

#include "history/HistoryStore.h"
#include "ui/Mnemonics.h"
#include "ui/WidgetNaming.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString shownTime(const QDateTime& at) {
    return at.isValid() ? QLocale().toString(at.toLocalTime(), QLocale::ShortFormat) : QString();
}

} // namespace

PlayerSearchDialog::PlayerSearchDialog(HistoryStore* history, QWidget* parent)
    : QDialog(parent), m_history(history) {
    setObjectName(QStringLiteral("frmplayersearch"));
    setWindowTitle(tr("Players"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtplayersearch"));
    m_text->setPlaceholderText(tr("part of a name, or an address"));
    QLabel* label = labelFor(tr("&Find player"), m_text, this);
    auto* find = new QPushButton(tr("&Search"), this);
    find->setObjectName(QStringLiteral("cmdplayersearch"));
    find->setDefault(true);
    m_results = new QTreeWidget(this);
    m_results->setObjectName(QStringLiteral("lstplayersfound"));
    m_results->setAccessibleName(tr("Players found"));
    m_results->setHeaderLabels(
        {tr("Names"), tr("Address"), tr("Guid"), tr("Servers"), tr("First seen"), tr("Last seen")});
    m_results->setRootIsDecorated(false);
    m_results->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lblplayersearch"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_text, 1);
    row->addWidget(find);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_state);
    layout->addWidget(buttons);
    connect(find, &QPushButton::clicked, this, &PlayerSearchDialog::search);
    connect(m_text, &QLineEdit::returnPressed, this, &PlayerSearchDialog::search);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    mnemonics::complete(this);
    resize(640, 360);
}

void PlayerSearchDialog::search() {
    const QString text = m_text->text().trimmed();
    if (text.isEmpty())
        return;
    if (!m_history || !m_history->isKept()) {
        m_state->setText(tr("No history is kept (Preferences)."));
        return;
    }
    m_state->setText(tr("Searching..."));
    m_history->searchPlayers(text, this, [this](const QList<AliasGroup>& groups) {
        m_results->clear();
        for (const AliasGroup& group : groups) {
            auto* item = new QTreeWidgetItem(m_results);
            item->setText(0, group.names.join(QLatin1String(", ")));
            item->setText(1, group.address);
            item->setText(2, group.guid);
            item->setText(3, group.servers.join(QLatin1String(", ")));
            item->setText(4, shownTime(group.firstSeen));
            item->setText(5, shownTime(group.lastSeen));
        }
        m_state->setText(groups.isEmpty()     ? tr("No player found.")
                         : groups.size() == 1 ? tr("1 player found.")
                                              : tr("%1 players found.").arg(groups.size()));
    });
}
