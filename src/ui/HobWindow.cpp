#include "HobWindow.h"

#include "app/Session.h"
#include "base/NumberRules.h"
#include "rcon/ReplyText.h"
#include "serverconfig/GameTypeSwitch.h"
#include "serverconfig/HobRules.h"
#include "serverconfig/HobTable.h"
#include "serverconfig/ListingValue.h"
#include "ui/BoundControls.h"
#include "ui/Mnemonics.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

int indexOf(const QString& control) {
    const QList<hob::Setting>& table = hob::settings();
    for (int i = 0; i < table.size(); ++i) {
        if (table.at(i).control == control)
            return i;
    }
    return -1;
}

QString translated(const char* text) {
    return *text ? QCoreApplication::translate("HobWindow", text) : QString();
}

} // namespace

HobWindow::HobWindow(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("frmhob"));
    setWindowTitle(hob::windowTitle());

    m_helpText = new QPlainTextEdit;
    m_helpText->setObjectName(QStringLiteral("txtmess"));
    m_helpText->setAccessibleName(tr("Help"));
    m_helpText->setReadOnly(true);
    m_helpText->setFocusPolicy(Qt::NoFocus);
    m_helpText->setFixedHeight(m_helpText->fontMetrics().lineSpacing() * 3 + 12);

    auto* frame = new QGroupBox(hob::frameCaption());
    frame->setObjectName(QStringLiteral("frmhobvars"));
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(2, 1);

    const QList<hob::Setting>& table = hob::settings();
    for (int i = 0; i < table.size(); ++i) {
        const hob::Setting& entry = table.at(i);
        QWidget* control = nullptr;
        switch (entry.kind) {
        case hob::Kind::Check: {
            auto* box = new SettingCheckBox;
            m_controls << new BoundControl(box, entry.tag);
            connect(box, &QCheckBox::clicked, this, [this, i] { showHelp(i); });
            control = box;
            break;
        }
        case hob::Kind::Wave: {
            auto* field = new QLineEdit;
            field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
            m_controls << new BoundControl(field, entry.tag);
            control = field;
            break;
        }
        case hob::Kind::Percentage: {
            auto* box = new QSpinBox;
            box->setRange(0, 100);
            box->setSuffix(QStringLiteral(" %"));
            m_controls << new BoundControl(box, entry.tag);
            control = box;
            break;
        }
        }
        if (entry.kind != hob::Kind::Check)
            control->installEventFilter(this);
        control->setObjectName(entry.control);
        QLabel* label = bound::captionFor(control, hob::shown(entry.label), entry.tag,
                                          QStringLiteral("lblhob_%1").arg(i));
        label->setProperty("index", i);
        grid->addWidget(label, i, 0);
        grid->addWidget(control, i, 1, Qt::AlignLeft);
    }

    const struct {
        const char* name;
        const char* caption;
        const char* toolTip;
        void (HobWindow::*handler)();
    } kButtons[] = {
        {"cmdhobpop", QT_TR_NOOP("Populate from server"), "", &HobWindow::populateClicked},
        {"cmdhobset", QT_TR_NOOP("Send current to server"), "", &HobWindow::sendClicked},
        {"cmdsethob", QT_TR_NOOP("Set Gametype to HOB"), QT_TR_NOOP("Set g_gametype HOB"),
         &HobWindow::setGameTypeClicked},
    };
    auto* buttons = new QDialogButtonBox;
    buttons->setObjectName(QStringLiteral("hobbuttons"));
    QList<QWidget*> exchanges;
    for (const auto& entry : kButtons) {
        QPushButton* button =
            buttons->addButton(translated(entry.caption), QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setToolTip(translated(entry.toolTip));
        // Return in a field sends what was changed, after the question, as Apply would.
        button->setDefault(entry.handler == &HobWindow::sendClicked);
        connect(button, &QPushButton::clicked, this, entry.handler);
        exchanges << button;
    }
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdexit"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bound::disableWhileBusy(m_session, this, exchanges);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_helpText);
    // Fourteen rows need more height than a small or scaled screen has: they scroll there.
    auto* rows = new QScrollArea;
    rows->setObjectName(QStringLiteral("hobrows"));
    rows->setWidget(frame);
    rows->setWidgetResizable(true);
    rows->setFrameShape(QFrame::NoFrame);
    rows->setMinimumHeight(frame->fontMetrics().lineSpacing() * 8);
    layout->addWidget(rows);
    layout->addWidget(buttons);
    // It opens with every row in view where the screen has the room.
    const int rowsHidden = frame->sizeHint().height() - rows->sizeHint().height();
    const int room = screen() ? screen()->availableSize().height() : sizeHint().height();
    resize(sizeHint().width(), qMin(sizeHint().height() + qMax(0, rowsHidden), room));

    for (int i = 0; i < table.size(); ++i) {
        if (table.at(i).kind == hob::Kind::Check)
            m_controls[i]->setState(numbers::wholeOrZero(table.at(i).initial));
        else if (table.at(i).kind == hob::Kind::Percentage)
            m_controls[i]->spinBox()->setValue(hob::percentageShown(table.at(i).initial));
        else
            m_controls[i]->setText(table.at(i).initial);
        m_controls[i]->clearChanged();
    }
    mnemonics::complete(this);
}

void HobWindow::returnFocus(QLineEdit* field) {
    // The field never really gave the focus away: no help text replaces the message.
    m_returningFocus = true;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    m_returningFocus = false;
}

void HobWindow::keepFocus(QLineEdit* field) {
    // Once the focus change under way is over.
    QTimer::singleShot(0, field, [this, field] { returnFocus(field); });
}

int HobWindow::settingOf(const QObject* control) const {
    for (int i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i]->widget() == control)
            return i;
    }
    return -1;
}

void HobWindow::showHelp(int setting) {
    m_helpText->setPlainText(hob::shown(hob::settings().at(setting).help));
}

bool HobWindow::eventFilter(QObject* watched, QEvent* event) {
    const int setting = settingOf(watched);
    if (setting >= 0 && event->type() == QEvent::FocusIn && !m_returningFocus) {
        showHelp(setting);
    } else if (setting >= 0 && event->type() == QEvent::FocusOut) {
        // Leaving the window is not leaving the field: the check waits for a move inside it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            setting == indexOf(QStringLiteral("txtwave")))
            txtwave_Validate();
    }
    return QDialog::eventFilter(watched, event);
}

bool HobWindow::txtwave_Validate() {
    BoundControl& wave = *m_controls[indexOf(QStringLiteral("txtwave"))];
    // Only a time the operator changed is checked: a value read from the server stands.
    if (!wave.isChanged())
        return true;
    switch (hob::checkWave(wave.value())) {
    case hob::WaveCheck::Ok:
        return true;
    case hob::WaveCheck::NotNumeric:
        m_session.dialogs().message(tr("Numeric value between 1 and 30 please"), tr("Number Field"),
                                    Dialogs::Icon::Information);
        break;
    case hob::WaveCheck::OutOfRange:
        m_session.dialogs().message(tr("Value between 1 and 30 please"), tr("Invalid Value"),
                                    Dialogs::Icon::Information);
        break;
    }
    keepFocus(wave.field());
    return false;
}

void HobWindow::populateClicked() {
    bound::readOut(m_session, this,
                   tr("Reading variables from the server...\nHeat of Battle MOD..."),
                   {hob::listing()}, [this](qsizetype, const QString& reply) {
                       applyListing(reply);
                       return true;
                   });
}

void HobWindow::applyListing(const QString& reply) {
    const QList<hob::Setting>& table = hob::settings();
    for (const int i : hob::readOrder()) {
        BoundControl& control = *m_controls[i];
        const QString value = getquoted(reply, control.tag());
        switch (table.at(i).kind) {
        case hob::Kind::Check: {
            // A box the server gives no usable state for keeps its state and its mark.
            const std::optional<int> state = listing::checkState(value);
            if (!state)
                continue;
            control.setState(*state);
            break;
        }
        case hob::Kind::Wave:
            control.setText(value);
            break;
        case hob::Kind::Percentage:
            control.spinBox()->setValue(hob::percentageShown(value));
            break;
        }
        control.clearChanged();
    }
}

void HobWindow::sendClicked() {
    // The buttons can be clicked while the wave field still holds a refused text; such a
    // text must not go to the server.
    if (!txtwave_Validate())
        return;
    if (!bound::confirmed(m_session,
                          tr("Send settings to server?\r"
                             "Only changed values will be sent."),
                          tr("Send to Server?"), Dialogs::Icon::Information))
        return;
    const QList<hob::Setting>& table = hob::settings();
    Plan plan;
    QList<BoundControl*> sent;
    for (int i = 0; i < m_controls.size(); ++i) {
        BoundControl& control = *m_controls[i];
        if (!control.isChanged())
            continue;
        const hob::Setting& entry = table.at(i);
        const QString logLine = entry.kind == hob::Kind::Wave
                                    ? hob::shown(entry.logLine).arg(control.value())
                                    : hob::shown(entry.logLine);
        // The mod's answers are of no interest in the pane; the echo says what went.
        Request request = Request::shown(control.command(varcommand::Form::Quoted));
        request.quiet = true;
        plan << settingStep(request, logLine);
        sent << &control;
    }
    bound::sendPlanFor(m_session, this, plan, sent, {},
                       tr("Sending variables to the server...\nHeat of Battle MOD..."));
}

void HobWindow::setGameTypeClicked() {
    m_session.run(gametypes::switchPlan(gametypes::hobType()), this);
}
