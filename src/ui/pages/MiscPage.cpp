#include "MiscPage.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "maps/MapCommands.h"
#include "maps/RotationNotes.h"
#include "ui/BoundControls.h"
#include "ui/Mnemonics.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString noCfgs() {
    return QCoreApplication::translate("MiscPage", "No CFGs on server");
}

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

    auto* rotation = new QGroupBox(tr("Server Map Rotation"), this);
    rotation->setObjectName(QStringLiteral("frmmaprot"));
    const QString captions[2] = {tr("Server Default Map Rotation"), tr("Server EDIT Map Rotation")};
    const QString tips[2] = {tr("Server map rotation (when we connected)"),
                             tr("Change server map rotation")};
    const QString pasteCaptions[2] = {tr("Default -> EDIT"), tr("Clear EDIT")};
    auto* grid = new QGridLayout(rotation);
    for (int i = 0; i < 2; ++i) {
        auto* box = new QPlainTextEdit(rotation);
        box->setObjectName(QStringLiteral("txtcurmaprot_%1").arg(i));
        box->setProperty("index", i);
        box->setToolTip(tips[i]);
        box->setTabChangesFocus(true);
        box->setMaximumHeight(80);
        m_rotationTexts[i] = box;
        auto* label = new QLabel(captions[i], rotation);
        label->setBuddy(box);
        grid->addWidget(label, i * 2, 0, 1, 2);
        grid->addWidget(box, i * 2 + 1, 0, 1, 2);

        m_pasteRotation[i] =
            button(pasteCaptions[i], QStringLiteral("cmdsmrpaste_%1").arg(i), rotation);
        m_pasteRotation[i]->setProperty("index", i);
        connect(m_pasteRotation[i], &QPushButton::clicked, this,
                [this, i] { copyRotationClicked(i); });
    }
    // The server's rotation is only ever read at connect.
    m_rotationTexts[0]->setReadOnly(true);
    m_rotationTexts[1]->setPlainText(QStringLiteral("gametype xxx map xxxxxx"));

    m_setRotation = button(tr("Set Server to EDIT"), QStringLiteral("cmdsetservedit"), rotation);
    m_rotationNotesLabel = button(tr("C&lick for Notes"), QStringLiteral("lblsmrnotes"), rotation);
    // A label that acts as a button: flat, link-coloured, but reachable by keyboard.
    m_rotationNotesLabel->setFlat(true);
    m_rotationNotesLabel->setCursor(Qt::PointingHandCursor);
    m_rotationNotesLabel->setStyleSheet(
        QStringLiteral("QPushButton { color: palette(link); text-decoration: underline; "
                       "border: none; text-align: left; }"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_pasteRotation[0]);
    row->addWidget(m_pasteRotation[1]);
    row->addWidget(m_setRotation);
    row->addStretch();
    row->addWidget(m_rotationNotesLabel);
    grid->addLayout(row, 4, 0, 1, 2);

    m_rotationNotes = new QPlainTextEdit(rotation);
    m_rotationNotes->setObjectName(QStringLiteral("txtsmrnotes"));
    m_rotationNotes->setAccessibleName(tr("Notes"));
    m_rotationNotes->setReadOnly(true);
    m_rotationNotes->setPlainText(rotationNotesLines().join(QLatin1Char('\n')));
    m_rotationNotes->setVisible(false);
    grid->addWidget(m_rotationNotes, 5, 0, 1, 2);

    auto* cfgFrame = new QGroupBox(tr("Execute CFG"), this);
    cfgFrame->setObjectName(QStringLiteral("frmcfg"));
    m_cfgList = new QComboBox(cfgFrame);
    m_cfgList->setObjectName(QStringLiteral("lstcfgs"));
    m_cfgList->setMinimumWidth(200);
    m_execCfg = button(tr("Exec CFG"), QStringLiteral("cmdcfgexec"), cfgFrame);
    auto* cfgLabel = new QLabel(tr("CFG files on server"), cfgFrame);
    cfgLabel->setBuddy(m_cfgList);
    auto* cfgRow = new QHBoxLayout(cfgFrame);
    cfgRow->addWidget(cfgLabel);
    cfgRow->addWidget(m_cfgList, 1);
    cfgRow->addWidget(m_execCfg);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rotation);
    layout->addWidget(cfgFrame);
    layout->addStretch();

    connect(m_setRotation, &QPushButton::clicked, this, &MiscPage::setRotationClicked);
    connect(m_rotationNotesLabel, &QPushButton::clicked, this, &MiscPage::notesClicked);
    connect(m_execCfg, &QPushButton::clicked, this, &MiscPage::execCfgClicked);

    // Until a connect has read them there is nothing to copy or execute.
    clearForDisconnect();
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

void MiscPage::showRotation(const QString& text, bool bold) {
    QFont font = m_rotationTexts[0]->font();
    font.setBold(bold);
    m_rotationTexts[0]->setFont(font);
    m_rotationTexts[0]->setPlainText(text);
}

void MiscPage::setCopyEnabled(bool enabled) {
    for (QPushButton* b : m_pasteRotation)
        b->setEnabled(enabled);
}

void MiscPage::connectPresets() {
    showRotation(tr("Server did not give rotation."), true);
    setCopyEnabled(false);
    m_cfgList->clear();
    m_cfgList->addItem(noCfgs());
    m_execCfg->setEnabled(false);
}

void MiscPage::showServerRotation(const QString& rotation) {
    showRotation(rotation, false);
    setCopyEnabled(true);
}

void MiscPage::setCfgNames(const QStringList& names) {
    m_cfgList->clear();
    if (names.isEmpty()) {
        m_cfgList->addItem(noCfgs());
        m_execCfg->setEnabled(false);
        return;
    }
    m_cfgList->addItems(names);
    m_cfgList->setCurrentIndex(0);
    m_execCfg->setEnabled(true);
}

void MiscPage::clearForDisconnect() {
    showRotation({}, false);
    setCopyEnabled(false);
    m_cfgList->clear();
    m_execCfg->setEnabled(false);
}

void MiscPage::copyRotationClicked(int index) {
    m_rotationTexts[1]->setPlainText(index == 0 ? m_rotationTexts[0]->toPlainText() : QString());
}

void MiscPage::setRotationClicked() {
    const QString rotation = m_rotationTexts[1]->toPlainText();
    if (!rotation.isEmpty())
        m_session.run(mapcommands::setRotationPlan(rotation), this);
}

void MiscPage::notesClicked() {
    const bool show = m_rotationNotes->isHidden();
    m_rotationNotes->setVisible(show);
    m_rotationNotesLabel->setText(show ? tr("C&lick to remove") : tr("C&lick for Notes"));
}

void MiscPage::execCfgClicked() {
    if (!bound::confirmed(m_session,
                          tr("Are you sure you want to Exec the selected CFG file\r"
                             "Executing CFGs is at your own risk!\r\r"
                             "Please ensure you know what the file performs"),
                          tr("Exec CFG"), Dialogs::Icon::Question))
        return;
    m_session.run(mapcommands::execPlan(m_cfgList->currentText()), this);
}
