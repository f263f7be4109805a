#include "ServerPage.h"

#include "FriendlyFireFrame.h"
#include "app/Session.h"
#include "base/NumberRules.h"
#include "rcon/ReplyText.h"
#include "serverconfig/ServerBasicsTable.h"
#include "ui/BoundControls.h"
#include "ui/Mnemonics.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString slowServerText() {
    return QCoreApplication::translate(
        "ServerPage", "The server is not responding quickly enough\rTry populate again");
}

void addRow(QGridLayout* grid, QLabel* label, QWidget* control) {
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1, 1, -1,
                    control->maximumWidth() < QWIDGETSIZE_MAX ? Qt::AlignLeft : Qt::Alignment());
}

} // namespace

ServerPage::ServerPage(Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_ff(new FriendlyFireFrame(session, this)) {
    setObjectName(QStringLiteral("pageServer"));

    auto* common = new QGroupBox(serverbasics::commonFrameCaption());
    common->setObjectName(QStringLiteral("frmservercomm"));
    auto* commonGrid = new QGridLayout(common);
    auto* view = new QGroupBox(serverbasics::viewFrameCaption());
    view->setObjectName(QStringLiteral("frmview"));
    auto* viewGrid = new QGridLayout(view);

    for (const serverbasics::Field& entry : serverbasics::fields()) {
        QWidget* control = nullptr;
        BoundControl* binding = nullptr;
        if (entry.kind == serverbasics::Kind::Text) {
            auto* field = new QLineEdit(entry.initialText);
            // Numbers need little room; the name and the message of the day need much.
            if (entry.form == varcommand::Form::Plain)
                field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                                       10);
            binding = new BoundControl(field, entry.tag);
            control = field;
        } else {
            auto* box = new SettingCheckBox;
            binding = new BoundControl(box, entry.tag);
            control = box;
        }
        control->setObjectName(entry.control);
        m_fields << binding;
        QLabel* label = bound::captionFor(control, serverbasics::shown(entry.label),
                                          serverbasics::shown(entry.toolTip),
                                          QStringLiteral("lbl") + entry.control.mid(3));
        addRow(entry.frame == serverbasics::Frame::Common ? commonGrid : viewGrid, label, control);
    }

    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("txtservpass"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    QLabel* passwordLabel =
        bound::captionFor(m_password, tr("Server password"), QStringLiteral("g_password"),
                          QStringLiteral("lblservpass"));
    QPushButton* setPassword = bound::button(QStringLiteral("cmdservsetpass"), tr("Set"));
    QPushButton* removePassword = bound::button(QStringLiteral("cmdservrempass"), tr("Remove"));
    const int passwordRow = commonGrid->rowCount();
    commonGrid->addWidget(passwordLabel, passwordRow, 0);
    commonGrid->addWidget(m_password, passwordRow, 1);
    commonGrid->addWidget(setPassword, passwordRow, 2);
    commonGrid->addWidget(removePassword, passwordRow, 3);
    commonGrid->setColumnStretch(1, 1);
    viewGrid->setColumnStretch(1, 1);
    connect(setPassword, &QPushButton::clicked, this, &ServerPage::setPasswordClicked);
    connect(removePassword, &QPushButton::clicked, this, &ServerPage::removePasswordClicked);

    QPushButton* populate = bound::populateButton(QStringLiteral("cmdservpop"));
    QPushButton* send = bound::sendButton(QStringLiteral("cmdservsetbasics"));
    connect(populate, &QPushButton::clicked, this, &ServerPage::populateClicked);
    connect(send, &QPushButton::clicked, this, &ServerPage::sendClicked);
    bound::disableWhileBusy(m_session, this, {populate, send, setPassword, removePassword});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(populate);
    buttons->addWidget(send);
    buttons->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(view);
    right->addWidget(m_ff);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(common, 3, Qt::AlignTop);
    columns->addLayout(right, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    layout->addStretch();
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

void ServerPage::populateClicked() {
    bound::readOut(
        m_session, this, tr("Reading variables from the server..."),
        serverbasics::listings() << serverbasics::friendlyFireListing(),
        [this](qsizetype index, const QString& reply) { return applyListing(index, reply); });
}

bool ServerPage::applyListing(qsizetype index, const QString& reply) {
    const QStringList listings = serverbasics::listings();
    if (index == listings.size()) {
        const QString value = getquoted(reply, serverbasics::friendlyFireVariable());
        if (value.isEmpty())
            return true;
        const std::optional<qint16> mode = numbers::wholeValue(value);
        if (!mode || !m_ff->selectValue(*mode))
            m_session.dialogs().message(slowServerText(), tr("Slow Server Response"),
                                        Dialogs::Icon::Exclamation);
        return true;
    }
    for (const int i : serverbasics::readOrder()) {
        const serverbasics::Field& entry = serverbasics::fields().at(i);
        if (entry.listing != listings.at(index))
            continue;
        BoundControl& control = *m_fields[i];
        const QString value = getquoted(reply, control.tag());
        if (entry.kind == serverbasics::Kind::Text) {
            control.setText(value);
            control.clearChanged();
            continue;
        }
        // A box whose variable the server does not list keeps its state and its mark.
        if (!value.isEmpty() && !bound::applyState(m_session, control, value, slowServerText()))
            return false;
    }
    return true;
}

void ServerPage::sendClicked() {
    bound::sendChanged(m_session, this, tr("Send settings to server?"), m_fields,
                       [](qsizetype i, BoundControl& control) {
                           return serverbasics::fieldPlan(serverbasics::fields().at(i),
                                                          control.value());
                       });
}

void ServerPage::setPasswordClicked() {
    const QString password = m_password->text();
    if (password.isEmpty()) {
        m_session.dialogs().message(tr("Use the Remove button to clear the server password"),
                                    tr("No password given"), Dialogs::Icon::Information);
        return;
    }
    m_session.run(serverbasics::setPasswordPlan(password), this);
}

void ServerPage::removePasswordClicked() {
    m_session.run(serverbasics::removePasswordPlan(), this);
}
