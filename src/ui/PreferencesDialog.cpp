#include "PreferencesDialog.h"

#include "app/ConnectChecks.h"
#include "app/Session.h"
#include "base/Dialogs.h"
#include "settings/PreferencesWriter.h"
#include "settings/ProfileFile.h"
#include "ui/Mnemonics.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

// The settings file gives back at most this many characters of the three auto-connect texts.
constexpr int kServerLength = 29;
constexpr int kPortLength = 6;
constexpr int kPasswordLength = 19;

QGroupBox* frame(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The check box that carries the changed mark of a slider's option.
QString boxKeyOf(const QString& key) {
    if (key == QLatin1String("autoqplayerint"))
        return QStringLiteral("autoqplayer");
    if (key == QLatin1String("autokick999int"))
        return QStringLiteral("autokick999");
    return key;
}

} // namespace

PreferencesDialog::PreferencesDialog(Session& session, ProfileFile& settings, QWidget* parent)
    : QDialog(parent), m_session(session), m_settings(settings) {
    setObjectName(QStringLiteral("frmpref"));
    setWindowTitle(QStringLiteral("Vostrel - Preferences"));

    auto* general = frame("frmsaves", QStringLiteral("General Options"), this);
    auto* generalLayout = new QVBoxLayout(general);
    m_moptsr = checkBox("moptsr", QStringLiteral("&Auto save RCON window on exit"), "savercon");
    m_moptsm = checkBox("moptsm", QStringLiteral("Auto save &Messages on exit"), "savemessages");
    m_chkclearRnews = checkBox("chkclearRnews", QStringLiteral("C&lear RCON window on new server"),
                               "clearrconnew");
    m_chkclearMnews =
        checkBox("chkclearMnews", QStringLiteral("Clear Messages on &new server"), "clearmessnew");
    for (QCheckBox* box : {m_moptsr, m_moptsm, m_chkclearRnews, m_chkclearMnews})
        generalLayout->addWidget(box);
    generalLayout->addStretch();

    auto* players = frame("Frame1", QStringLiteral("Player Options"), this);
    auto* playersLayout = new QVBoxLayout(players);
    m_moptrc = checkBox("moptrc", QStringLiteral("&Remove Colour ID's"), "removeid");
    m_moptqp = checkBox("moptqp", QStringLiteral("Use &Query mode for populate"), "usequery");
    m_chkautoplayer =
        checkBox("chkautoplayer", QStringLiteral("Auto &Update player list"), "autoqplayer");
    m_sldautoplayer = slider("sldautoplayer", QStringLiteral("Number of seconds between refreshes"),
                             5, 40, 5, 10, 10, "autoqplayer", &m_autoplayerValue);
    m_chkauto999 = checkBox("chkauto999", QStringLiteral("Auto &Kick 999 players"), "autokick999");
    m_sldauto999 = slider("sldauto999", QStringLiteral("Number of checks before kick"), 1, 5, 1, 2,
                          3, "autokick999", &m_auto999Value);
    const auto sliderRow = [players](QSlider* slider, QLabel* value) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(20, 0, 0, 0);
        row->addWidget(slider, 1);
        row->addWidget(value);
        return row;
    };
    playersLayout->addWidget(m_moptrc);
    playersLayout->addWidget(m_moptqp);
    playersLayout->addWidget(m_chkautoplayer);
    playersLayout->addLayout(sliderRow(m_sldautoplayer, m_autoplayerValue));
    playersLayout->addWidget(m_chkauto999);
    playersLayout->addLayout(sliderRow(m_sldauto999, m_auto999Value));
    playersLayout->addStretch();

    auto* server = frame("Frame2", QStringLiteral("Auto Server Options"), this);
    auto* serverLayout = new QVBoxLayout(server);
    m_chkautoconnect =
        checkBox("chkautoconnect", QStringLiteral("Auto c&onnect on startup"), "autoconnect");
    m_txtserv = textBox("txtserv", "autoconnectserv", kServerLength);
    m_txtport = textBox("txtport", "autoconnectport", kPortLength);
    m_txtpass = textBox("txtpass", "autoconnectrcon", kPasswordLength);
    m_txtpass->setEchoMode(QLineEdit::Password);
    m_chkautomessages =
        checkBox("chkautomessages", QStringLiteral("S&tart messages on startup"), "automessage");
    m_txtmesset = textBox("txtmesset", "messageset");
    m_txtmessint = textBox("txtmessint", "messagetime");
    auto* connectForm = new QFormLayout;
    connectForm->addRow(QStringLiteral("Server &IP"), m_txtserv);
    connectForm->addRow(QStringLiteral("Server &Port"), m_txtport);
    connectForm->addRow(QStringLiteral("Rcon pass&word"), m_txtpass);
    auto* messageForm = new QFormLayout;
    messageForm->addRow(QStringLiteral("Messa&ge Set"), m_txtmesset);
    messageForm->addRow(QStringLiteral("Message Inter&val"), m_txtmessint);
    for (QFormLayout* form : {connectForm, messageForm})
        form->setContentsMargins(20, 0, 0, 0);
    serverLayout->addWidget(m_chkautoconnect);
    serverLayout->addLayout(connectForm);
    serverLayout->addWidget(m_chkautomessages);
    serverLayout->addLayout(messageForm);
    serverLayout->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("prefbuttons"));
    QPushButton* cmdsave =
        buttons->addButton(QStringLiteral("&Save Changes"), QDialogButtonBox::AcceptRole);
    cmdsave->setObjectName(QStringLiteral("cmdsave"));
    QPushButton* cmdexit = buttons->addButton(QDialogButtonBox::Close);
    cmdexit->setObjectName(QStringLiteral("cmdexit"));
    cmdsave->setDefault(true);
    // The buttons ask their questions first: the box's accepted and rejected are not used.
    connect(cmdsave, &QPushButton::clicked, this, &PreferencesDialog::saveClicked);
    connect(cmdexit, &QPushButton::clicked, this, &PreferencesDialog::closeClicked);

    auto* frames = new QHBoxLayout;
    frames->addWidget(general);
    frames->addWidget(players);
    frames->addWidget(server);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(buttons);

    for (QCheckBox* box : {m_chkautoplayer, m_chkauto999, m_chkautoconnect, m_chkautomessages})
        connect(box, &QCheckBox::toggled, this, &PreferencesDialog::updateDependents);
    updateDependents();
    // The Close button's caption is the platform's, with or without a letter.
    mnemonics::complete(this);
}

QCheckBox* PreferencesDialog::checkBox(const char* name, const QString& caption, const char* key) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QLatin1String(name));
    const QString option = QLatin1String(key);
    connect(box, &QCheckBox::toggled, this, [this, option] { mark(option); });
    return box;
}

QLineEdit* PreferencesDialog::textBox(const char* name, const char* key, int maxLength) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    const QString option = QLatin1String(key);
    connect(box, &QLineEdit::textChanged, this, [this, option] { mark(option); });
    return box;
}

QSlider* PreferencesDialog::slider(const char* name, const QString& tip, int low, int high,
                                   int step, int page, int initial, const char* boxKey,
                                   QLabel** valueLabel) {
    auto* s = new QSlider(Qt::Horizontal, this);
    s->setObjectName(QLatin1String(name));
    s->setToolTip(tip);
    s->setAccessibleName(tip);
    s->setRange(low, high);
    s->setSingleStep(step);
    s->setPageStep(page);
    s->setTickInterval(step);
    s->setTickPosition(QSlider::TicksBelow);
    s->setValue(initial);
    auto* value = new QLabel(QString::number(initial), this);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    *valueLabel = value;
    // The slider has no mark of its own: moving it marks its check box, so the value is saved
    // with the box.
    const QString option = QLatin1String(boxKey);
    connect(s, &QSlider::valueChanged, this, [this, option, value](int v) {
        value->setNum(v);
        mark(option);
    });
    return s;
}

void PreferencesDialog::mark(const QString& key) {
    if (!m_filling)
        m_changed.insert(key);
}

void PreferencesDialog::updateDependents() {
    m_sldautoplayer->setEnabled(m_chkautoplayer->isChecked());
    m_sldauto999->setEnabled(m_chkauto999->isChecked());
    for (QLineEdit* box : {m_txtserv, m_txtport, m_txtpass})
        box->setEnabled(m_chkautoconnect->isChecked());
    for (QLineEdit* box : {m_txtmesset, m_txtmessint})
        box->setEnabled(m_chkautomessages->isChecked());
}

void PreferencesDialog::fill() {
    const Options& o = m_session.state().options;
    m_filling = true;
    m_moptsr->setChecked(o.savercon);
    m_moptsm->setChecked(o.savemessages);
    m_chkclearRnews->setChecked(o.clearrconnew);
    m_chkclearMnews->setChecked(o.clearmessnew);
    m_moptrc->setChecked(o.removeid);
    m_moptqp->setChecked(o.usequery);
    m_chkautoplayer->setChecked(o.autoqplayer);
    m_sldautoplayer->setValue(o.autoqplayerint);
    m_chkauto999->setChecked(o.autokick999);
    m_sldauto999->setValue(o.autokick999int);
    m_chkautoconnect->setChecked(o.autoconnect);
    m_txtserv->setText(o.autoconnectserv);
    m_txtport->setText(o.autoconnectport);
    m_txtpass->setText(o.autoconnectrcon);
    m_chkautomessages->setChecked(o.automessage);
    m_txtmesset->setText(QString::number(o.messageset));
    m_txtmessint->setText(QString::number(o.messagetime));
    updateDependents();
    m_changed.clear();
    m_filling = false;
}

void PreferencesDialog::reportWriteFailure(const QString& what, int code,
                                           const QString& description) {
    m_session.dialogs().message(QStringLiteral("Failed to write new ") + what +
                                    QLatin1String(" to INI file\rError code ") +
                                    QString::number(code) + QLatin1String(" Descr: ") + description,
                                QStringLiteral("INI Write Fail"), Dialogs::Icon::Exclamation);
}

void PreferencesDialog::saveClicked() {
    Dialogs& dialogs = m_session.dialogs();
    const QString refusal =
        unsupportedTextRefusal({{QStringLiteral("Server IP"), m_txtserv->text()},
                                {QStringLiteral("Server Port"), m_txtport->text()},
                                {QStringLiteral("Rcon password"), m_txtpass->text()}});
    if (!refusal.isEmpty()) {
        dialogs.message(refusal, kUnsupportedTitle, Dialogs::Icon::Exclamation);
        return;
    }
    // The window may be closed, and gone, while one of its boxes is up.
    const QPointer<PreferencesDialog> self(this);
    if (dialogs.message(QStringLiteral("Save any changes made"), QStringLiteral("Save Changes"),
                        Dialogs::Icon::Question,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok ||
        !self)
        return;

    PreferenceEdits edits;
    Options& v = edits.values;
    v.savercon = m_moptsr->isChecked();
    v.savemessages = m_moptsm->isChecked();
    v.clearrconnew = m_chkclearRnews->isChecked();
    v.clearmessnew = m_chkclearMnews->isChecked();
    v.removeid = m_moptrc->isChecked();
    v.usequery = m_moptqp->isChecked();
    v.autoqplayer = m_chkautoplayer->isChecked();
    v.autoqplayerint = qint16(m_sldautoplayer->value());
    v.autokick999 = m_chkauto999->isChecked();
    v.autokick999int = qint16(m_sldauto999->value());
    v.autoconnect = m_chkautoconnect->isChecked();
    v.autoconnectserv = m_txtserv->text();
    v.autoconnectport = m_txtport->text();
    v.autoconnectrcon = m_txtpass->text();
    v.automessage = m_chkautomessages->isChecked();
    edits.messagesetText = m_txtmesset->text();
    edits.messagetimeText = m_txtmessint->text();
    edits.changed = m_changed;

    const PreferenceSaveResult result =
        savePreferences(m_settings, m_session.state().options, edits);
    if (result.stoppedAtSavercon) {
        const PreferenceWriteFailure& f = result.failures.first();
        reportWriteFailure(QStringLiteral("save rcon"), f.errorCode, f.errorDescription);
        if (self)
            close();
        return;
    }
    // What could not be written keeps its mark, so a second save tries it again.
    const QSet<QString> savedKeys = m_changed;
    m_changed.clear();
    for (const PreferenceWriteFailure& f : result.failures) {
        reportWriteFailure(f.key, f.errorCode, f.errorDescription);
        if (!self)
            return;
        m_changed.insert(boxKeyOf(f.key));
    }
    if (!result.ok())
        return;
    emit saved(savedKeys);
    dialogs.message(QStringLiteral("Preferences saved."), QStringLiteral("Saved"),
                    Dialogs::Icon::Information);
    if (self)
        close();
}

void PreferencesDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        closeClicked();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PreferencesDialog::closeClicked() {
    if (m_changed.isEmpty()) {
        close();
        return;
    }
    const QPointer<PreferencesDialog> self(this);
    if (m_session.dialogs().message(QStringLiteral("Exit preferences?\r\r"
                                                   "This will cancel any changes made\r\r"
                                                   "Please select Save first if any changes"),
                                    QStringLiteral("Have you Saved?"), Dialogs::Icon::Information,
                                    Dialogs::Buttons::OkCancel) == Dialogs::Answer::Ok &&
        self)
        close();
}
