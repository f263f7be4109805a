#include "ModsPage.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "serverconfig/ClanbasePreset.h"
#include "ui/BoundControls.h"
#include "ui/Mnemonics.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadialGradient>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString rulesHidden() {
    return QCoreApplication::translate("ModsPage", "Click for CB rules");
}

QString rulesShown() {
    return QCoreApplication::translate("ModsPage", "Click to remove");
}

// The mod's emblem, drawn so the page needs no image files.
QPixmap hobEmblem(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(2, 2, size - 4, size - 4);
    QRadialGradient fire(disc.center(), size / 2.0, QPointF(disc.center().x(), disc.bottom()));
    fire.setColorAt(0, QColor(255, 214, 64));
    fire.setColorAt(0.55, QColor(226, 88, 24));
    fire.setColorAt(1, QColor(120, 16, 8));
    painter.setPen(QPen(QColor(60, 8, 4), 3));
    painter.setBrush(fire);
    painter.drawEllipse(disc);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 3 / 10);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, size * 0.18, size, size * 0.45), Qt::AlignCenter,
                     QStringLiteral("HOB"));
    font.setPixelSize(size / 6);
    painter.setFont(font);
    painter.drawText(QRectF(0, size * 0.58, size, size * 0.25), Qt::AlignCenter,
                     QStringLiteral("V.3"));
    return pixmap;
}

} // namespace

ModsPage::ModsPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageMods"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildClanbaseFrame());

    // The rules text and the Heat of Battle frame share one place; one of them is shown.
    m_rules = new QPlainTextEdit(clanbase::rulesText(), this);
    m_rules->setObjectName(QStringLiteral("txtcbrules"));
    m_rules->setAccessibleName(tr("Clanbase rules"));
    m_rules->setReadOnly(true);
    m_rules->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_rules->hide();
    layout->addWidget(m_rules, 1);
    layout->addWidget(buildHobFrame());
    layout->addStretch();
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

QGroupBox* ModsPage::buildClanbaseFrame() {
    auto* frame = new QGroupBox(tr("Clanbase rules"), this);
    frame->setObjectName(QStringLiteral("frmCB_0"));
    frame->setProperty("index", 0);
    auto* row = new QHBoxLayout(frame);
    auto* set = new QPushButton(tr("Set server for clanbase rules"), frame);
    set->setObjectName(QStringLiteral("cmdsetcb"));
    connect(set, &QPushButton::clicked, this, &ModsPage::clanBasePresetClicked);
    m_rulesLabel = new QLabel(rulesHidden(), frame);
    m_rulesLabel->setObjectName(QStringLiteral("lblcbrules"));
    makeClickable(m_rulesLabel);
    row->addWidget(set);
    row->addSpacing(16);
    row->addWidget(m_rulesLabel);
    row->addStretch();
    return frame;
}

QGroupBox* ModsPage::buildHobFrame() {
    m_hobFrame = new QGroupBox(tr("Heat Of Battle Mod V.3"), this);
    m_hobFrame->setObjectName(QStringLiteral("frmCB_1"));
    m_hobFrame->setProperty("index", 1);
    auto* row = new QHBoxLayout(m_hobFrame);

    auto* picture = new QToolButton(m_hobFrame);
    picture->setObjectName(QStringLiteral("pichob"));
    const int size = 96;
    picture->setIcon(QIcon(hobEmblem(size)));
    picture->setIconSize(QSize(size, size));
    picture->setAutoRaise(true);
    picture->setCursor(Qt::PointingHandCursor);
    picture->setToolTip(tr("Heat of Battle server variables"));
    picture->setAccessibleName(tr("Heat of Battle server variables"));
    connect(picture, &QToolButton::clicked, this, &ModsPage::hobWindowRequested);
    // The emblem has no caption to reach it by: the button beside it has.
    auto* open = new QPushButton(tr("Heat of &Battle..."), m_hobFrame);
    open->setObjectName(QStringLiteral("cmdhob"));
    open->setToolTip(tr("Heat of Battle server variables"));
    connect(open, &QPushButton::clicked, this, &ModsPage::hobWindowRequested);

    m_siteLabel = new QLabel(tr("Visit Official Website"), m_hobFrame);
    m_siteLabel->setObjectName(QStringLiteral("Label3"));
    makeClickable(m_siteLabel);

    row->addWidget(picture);
    row->addWidget(open);
    row->addWidget(m_siteLabel);
    row->addStretch();
    return m_hobFrame;
}

void ModsPage::makeClickable(QLabel* label) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setForegroundRole(QPalette::Link);
    label->setCursor(Qt::PointingHandCursor);
    label->setFocusPolicy(Qt::StrongFocus);
    label->installEventFilter(this);
}

bool ModsPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_rulesLabel && watched != m_siteLabel)
        return QWidget::eventFilter(watched, event);
    const auto activates = [](const QEvent* e) {
        const int key = static_cast<const QKeyEvent*>(e)->key();
        return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    };
    bool clicked = false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Keep the activating keys for the label while it has the focus.
        if (activates(event)) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        clicked = activates(event);
        break;
    case QEvent::MouseButtonRelease:
        clicked = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    default:
        break;
    }
    if (!clicked)
        return QWidget::eventFilter(watched, event);
    if (watched == m_rulesLabel)
        clanBaseRulesClicked();
    else
        emit hobSiteRequested();
    return true;
}

void ModsPage::clanBasePresetClicked() {
    if (!bound::confirmed(m_session, clanbase::question(), clanbase::questionTitle(),
                          Dialogs::Icon::Information))
        return;
    m_session.run(clanbase::plan(), this);
}

void ModsPage::clanBaseRulesClicked() {
    const bool show = m_rules->isHidden();
    m_rules->setVisible(show);
    m_hobFrame->setVisible(!show);
    m_rulesLabel->setText(show ? rulesShown() : rulesHidden());
}
