#include "MiscPage.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "maps/MapCommands.h"
#include "maps/RotationNotes.h"
#include "ui/BoundControls.h"
#include "ui/Mnemonics.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kNoCfgs = "No CFGs on server";

QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

MiscPage::MiscPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    connect(&session, &Session::connected, this, &MiscPage::connectPresets);
    connect(&session, &Session::rotationRead, this, &MiscPage::showServerRotation);
    connect(&session, &Session::cfgNamesRead, this, &MiscPage::setCfgNames);
    connect(&session, &Session::disconnected, this, &MiscPage::clearForDisconnect);
    setObjectName(QStringLiteral("pageMisc"));

    auto* rotation = new QGroupBox(QStringLiteral("Server Map Rotation"), this);
    rotation->setObjectName(QStringLiteral("frmmaprot"));
    const char* const captions[2] = {"Server Default Map Rotation", "Server EDIT Map Rotation"};
    const char* const tips[2] = {"Server map rotation (when we connected)",
                                 "Change server map rotation"};
    const char* const pasteCaptions[2] = {"Default -> EDIT", "Clear EDIT"};
    auto* grid = new QGridLayout(rotation);
    for (int i = 0; i < 2; ++i) {
        auto* box = new QPlainTextEdit(rotation);
        box->setObjectName(QStringLiteral("txtcurmaprot_%1").arg(i));
        box->setProperty("index", i);
        box->setToolTip(QLatin1String(tips[i]));
        box->setTabChangesFocus(true);
        box->setMaximumHeight(80);
        m_txtcurmaprot[i] = box;
        auto* label = new QLabel(QLatin1String(captions[i]), rotation);
        label->setBuddy(box);
        grid->addWidget(label, i * 2, 0, 1, 2);
        grid->addWidget(box, i * 2 + 1, 0, 1, 2);

        m_cmdsmrpaste[i] = button(QLatin1String(pasteCaptions[i]),
                                  QStringLiteral("cmdsmrpaste_%1").arg(i), rotation);
        m_cmdsmrpaste[i]->setProperty("index", i);
        connect(m_cmdsmrpaste[i], &QPushButton::clicked, this,
                [this, i] { copyRotationClicked(i); });
    }
    // The server's rotation is only ever read at connect.
    m_txtcurmaprot[0]->setReadOnly(true);
    m_txtcurmaprot[1]->setPlainText(QStringLiteral("gametype xxx map xxxxxx"));

    m_cmdsetservedit =
        button(QStringLiteral("Set Server to EDIT"), QStringLiteral("cmdsetservedit"), rotation);
    m_lblsmrnotes =
        button(QStringLiteral("C&lick for Notes"), QStringLiteral("lblsmrnotes"), rotation);
    // A label that acts as a button: flat, link-coloured, but reachable by keyboard.
    m_lblsmrnotes->setFlat(true);
    m_lblsmrnotes->setCursor(Qt::PointingHandCursor);
    m_lblsmrnotes->setStyleSheet(
        QStringLiteral("QPushButton { color: palette(link); text-decoration: underline; "
                       "border: none; text-align: left; }"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_cmdsmrpaste[0]);
    row->addWidget(m_cmdsmrpaste[1]);
    row->addWidget(m_cmdsetservedit);
    row->addStretch();
    row->addWidget(m_lblsmrnotes);
    grid->addLayout(row, 4, 0, 1, 2);

    m_txtsmrnotes = new QPlainTextEdit(rotation);
    m_txtsmrnotes->setObjectName(QStringLiteral("txtsmrnotes"));
    m_txtsmrnotes->setAccessibleName(QStringLiteral("Notes"));
    m_txtsmrnotes->setReadOnly(true);
    m_txtsmrnotes->setPlainText(rotationNotesLines().join(QLatin1Char('\n')));
    m_txtsmrnotes->setVisible(false);
    grid->addWidget(m_txtsmrnotes, 5, 0, 1, 2);

    auto* cfgFrame = new QGroupBox(QStringLiteral("Execute CFG"), this);
    cfgFrame->setObjectName(QStringLiteral("frmcfg"));
    m_lstcfgs = new QComboBox(cfgFrame);
    m_lstcfgs->setObjectName(QStringLiteral("lstcfgs"));
    m_lstcfgs->setMinimumWidth(200);
    m_cmdcfgexec = button(QStringLiteral("Exec CFG"), QStringLiteral("cmdcfgexec"), cfgFrame);
    auto* cfgLabel = new QLabel(QStringLiteral("CFG files on server"), cfgFrame);
    cfgLabel->setBuddy(m_lstcfgs);
    auto* cfgRow = new QHBoxLayout(cfgFrame);
    cfgRow->addWidget(cfgLabel);
    cfgRow->addWidget(m_lstcfgs, 1);
    cfgRow->addWidget(m_cmdcfgexec);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rotation);
    layout->addWidget(cfgFrame);
    layout->addStretch();

    connect(m_cmdsetservedit, &QPushButton::clicked, this, &MiscPage::setRotationClicked);
    connect(m_lblsmrnotes, &QPushButton::clicked, this, &MiscPage::notesClicked);
    connect(m_cmdcfgexec, &QPushButton::clicked, this, &MiscPage::execCfgClicked);

    // Until a connect has read them there is nothing to copy or execute.
    clearForDisconnect();
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

void MiscPage::showRotation(const QString& text, bool bold) {
    QFont font = m_txtcurmaprot[0]->font();
    font.setBold(bold);
    m_txtcurmaprot[0]->setFont(font);
    m_txtcurmaprot[0]->setPlainText(text);
}

void MiscPage::setCopyEnabled(bool enabled) {
    for (QPushButton* b : m_cmdsmrpaste)
        b->setEnabled(enabled);
}

void MiscPage::connectPresets() {
    showRotation(QStringLiteral("Server did not give rotation."), true);
    setCopyEnabled(false);
    m_lstcfgs->clear();
    m_lstcfgs->addItem(QLatin1String(kNoCfgs));
    m_cmdcfgexec->setEnabled(false);
}

void MiscPage::showServerRotation(const QString& rotation) {
    showRotation(rotation, false);
    setCopyEnabled(true);
}

void MiscPage::setCfgNames(const QStringList& names) {
    m_lstcfgs->clear();
    if (names.isEmpty()) {
        m_lstcfgs->addItem(QLatin1String(kNoCfgs));
        m_cmdcfgexec->setEnabled(false);
        return;
    }
    m_lstcfgs->addItems(names);
    m_lstcfgs->setCurrentIndex(0);
    m_cmdcfgexec->setEnabled(true);
}

void MiscPage::clearForDisconnect() {
    showRotation({}, false);
    setCopyEnabled(false);
    m_lstcfgs->clear();
    m_cmdcfgexec->setEnabled(false);
}

void MiscPage::copyRotationClicked(int index) {
    m_txtcurmaprot[1]->setPlainText(index == 0 ? m_txtcurmaprot[0]->toPlainText() : QString());
}

void MiscPage::setRotationClicked() {
    const QString rotation = m_txtcurmaprot[1]->toPlainText();
    if (!rotation.isEmpty())
        m_session.run(mapcommands::setRotationPlan(rotation), this);
}

void MiscPage::notesClicked() {
    const bool show = m_txtsmrnotes->isHidden();
    m_txtsmrnotes->setVisible(show);
    m_lblsmrnotes->setText(show ? QStringLiteral("C&lick to remove")
                                : QStringLiteral("C&lick for Notes"));
}

void MiscPage::execCfgClicked() {
    if (!bound::confirmed(m_session,
                          QStringLiteral("Are you sure you want to Exec the selected CFG file\r"
                                         "Executing CFGs is at your own risk!\r\r"
                                         "Please ensure you know what the file performs"),
                          QStringLiteral("Exec CFG"), Dialogs::Icon::Question))
        return;
    m_session.run(mapcommands::execPlan(m_lstcfgs->currentText()), this);
}
