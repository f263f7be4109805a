#include "PreferencesDialog.h"

#include "HistoryPreferences.h"
#include "LanguagePreferences.h"
#include "app/ConnectChecks.h"
#include "app/Session.h"
#include "base/Dialogs.h"
#include "settings/LanguageSetting.h"
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
#include <QTabWidget>
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
    setWindowTitle(tr("Vostrel - Preferences"));

    auto* general = frame("frmsaves", tr("General Options"), this);
    auto* generalLayout = new QVBoxLayout(general);
    m_saveRconOption = checkBox("moptsr", tr("&Auto save RCON window on exit"), "savercon");
    m_saveMessagesOption = checkBox("moptsm", tr("Auto save &Messages on exit"), "savemessages");
    m_clearRconOption =
        checkBox("chkclearRnews", tr("C&lear RCON window on new server"), "clearrconnew");
    m_clearMessagesOption =
        checkBox("chkclearMnews", tr("Clear Messages on &new server"), "clearmessnew");
    for (QCheckBox* box :
         {m_saveRconOption, m_saveMessagesOption, m_clearRconOption, m_clearMessagesOption})
        generalLayout->addWidget(box);
    generalLayout->addStretch();

    auto* players = frame("Frame1", tr("Player Options"), this);
    auto* playersLayout = new QVBoxLayout(players);
    m_removeColoursOption = checkBox("moptrc", tr("&Remove Colour ID's"), "removeid");
    m_queryOption = checkBox("moptqp", tr("Use &Query mode for populate"), "usequery");
    m_autoPlayersOption = checkBox("chkautoplayer", tr("Auto &Update player list"), "autoqplayer");
    m_autoPlayersSeconds = slider("sldautoplayer", tr("Number of seconds between refreshes"), 5, 40,
                                  5, 10, 10, "autoqplayer", &m_autoplayerValue);
    m_autoKick999Option = checkBox("chkauto999", tr("Auto &Kick 999 players"), "autokick999");
    m_autoKick999Checks = slider("sldauto999", tr("Number of checks before kick"), 1, 5, 1, 2, 3,
                                 "autokick999", &m_auto999Value);
    const auto sliderRow = [players](QSlider* slider, QLabel* value) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(20, 0, 0, 0);
        row->addWidget(slider, 1);
        row->addWidget(value);
        return row;
    };
    playersLayout->addWidget(m_removeColoursOption);
    playersLayout->addWidget(m_queryOption);
    playersLayout->addWidget(m_autoPlayersOption);
    playersLayout->addLayout(sliderRow(m_autoPlayersSeconds, m_autoplayerValue));
    playersLayout->addWidget(m_autoKick999Option);
    playersLayout->addLayout(sliderRow(m_autoKick999Checks, m_auto999Value));
    playersLayout->addStretch();

    auto* server = frame("Frame2", tr("Auto Server Options"), this);
    auto* serverLayout = new QVBoxLayout(server);
    m_autoConnectOption = checkBox("chkautoconnect", tr("Auto c&onnect on startup"), "autoconnect");
    m_startupServer = textBox("txtserv", "autoconnectserv", kServerLength);
    m_startupPort = textBox("txtport", "autoconnectport", kPortLength);
    m_startupPassword = textBox("txtpass", "autoconnectrcon", kPasswordLength);
    m_startupPassword->setEchoMode(QLineEdit::Password);
    m_autoMessagesOption =
        checkBox("chkautomessages", tr("S&tart messages on startup"), "automessage");
    m_startupSet = textBox("txtmesset", "messageset");
    m_startupInterval = textBox("txtmessint", "messagetime");
    auto* connectForm = new QFormLayout;
    connectForm->addRow(tr("Server &IP"), m_startupServer);
    connectForm->addRow(tr("Server &Port"), m_startupPort);
    connectForm->addRow(tr("Rcon pass&word"), m_startupPassword);
    auto* messageForm = new QFormLayout;
    messageForm->addRow(tr("Messa&ge Set"), m_startupSet);
    messageForm->addRow(tr("Message Inter&val"), m_startupInterval);
    for (QFormLayout* form : {connectForm, messageForm})
        form->setContentsMargins(20, 0, 0, 0);
    serverLayout->addWidget(m_autoConnectOption);
    serverLayout->addLayout(connectForm);
    serverLayout->addWidget(m_autoMessagesOption);
    serverLayout->addLayout(messageForm);
    serverLayout->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("prefbuttons"));
    QPushButton* cmdsave = buttons->addButton(tr("&Save Changes"), QDialogButtonBox::AcceptRole);
    cmdsave->setObjectName(QStringLiteral("cmdsave"));
    QPushButton* cmdexit = buttons->addButton(QDialogButtonBox::Close);
    cmdexit->setObjectName(QStringLiteral("cmdexit"));
    cmdsave->setDefault(true);
    // The buttons ask their questions first: the box's accepted and rejected are not used.
    connect(cmdsave, &QPushButton::clicked, this, &PreferencesDialog::saveClicked);
    connect(cmdexit, &QPushButton::clicked, this, &PreferencesDialog::closeClicked);

    // The options, what happens at start-up and the history each on a page of their own: the
    // window stays small in every language (German and French captions are longer).
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("prefpages"));
    auto* optionsPage = new QWidget(pages);
    auto* frames = new QHBoxLayout(optionsPage);
    frames->addWidget(general);
    frames->addWidget(players);
    pages->addTab(optionsPage, tr("Options"));
    auto* startPage = new QWidget(pages);
    auto* startFrames = new QHBoxLayout(startPage);
    m_language = new LanguagePreferences(startPage);
    startFrames->addWidget(server);
    startFrames->addWidget(m_language, 0, Qt::AlignTop);
    pages->addTab(startPage, tr("At start-up"));
    auto* historyPage = new QWidget(pages);
    auto* historyLayout = new QVBoxLayout(historyPage);
    m_history = new HistoryPreferences(historyPage);
    historyLayout->addWidget(m_history);
    historyLayout->addStretch();
    pages->addTab(historyPage, tr("&History"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);

    for (QCheckBox* box :
         {m_autoPlayersOption, m_autoKick999Option, m_autoConnectOption, m_autoMessagesOption})
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
    m_autoPlayersSeconds->setEnabled(m_autoPlayersOption->isChecked());
    m_autoKick999Checks->setEnabled(m_autoKick999Option->isChecked());
    for (QLineEdit* box : {m_startupServer, m_startupPort, m_startupPassword})
        box->setEnabled(m_autoConnectOption->isChecked());
    for (QLineEdit* box : {m_startupSet, m_startupInterval})
        box->setEnabled(m_autoMessagesOption->isChecked());
}

void PreferencesDialog::fill() {
    const Options& o = m_session.state().options;
    m_filling = true;
    m_saveRconOption->setChecked(o.savercon);
    m_saveMessagesOption->setChecked(o.savemessages);
    m_clearRconOption->setChecked(o.clearrconnew);
    m_clearMessagesOption->setChecked(o.clearmessnew);
    m_removeColoursOption->setChecked(o.removeid);
    m_queryOption->setChecked(o.usequery);
    m_autoPlayersOption->setChecked(o.autoqplayer);
    m_autoPlayersSeconds->setValue(o.autoqplayerint);
    m_autoKick999Option->setChecked(o.autokick999);
    m_autoKick999Checks->setValue(o.autokick999int);
    m_autoConnectOption->setChecked(o.autoconnect);
    m_startupServer->setText(o.autoconnectserv);
    m_startupPort->setText(o.autoconnectport);
    m_startupPassword->setText(o.autoconnectrcon);
    m_autoMessagesOption->setChecked(o.automessage);
    m_startupSet->setText(QString::number(o.messageset));
    m_startupInterval->setText(QString::number(o.messagetime));
    updateDependents();
    m_history->fill(readHistorySettings(m_settings));
    m_language->fill(languagesetting::load(m_settings));
    m_changed.clear();
    m_filling = false;
}

void PreferencesDialog::reportWriteFailure(const QString& what, int code,
                                           const QString& description) {
    m_session.dialogs().message(tr("Failed to write new %1 to INI file\rError code %2 Descr: %3")
                                    .arg(what, QString::number(code), description),
                                tr("INI Write Fail"), Dialogs::Icon::Exclamation);
}

void PreferencesDialog::saveClicked() {
    Dialogs& dialogs = m_session.dialogs();
    const QString refusal =
        unsupportedTextRefusal({{tr("Server IP"), m_startupServer->text()},
                                {tr("Server Port"), m_startupPort->text()},
                                {tr("Rcon password"), m_startupPassword->text()}});
    if (!refusal.isEmpty()) {
        dialogs.message(refusal, unsupportedTitle(), Dialogs::Icon::Exclamation);
        return;
    }
    if (const QString incomplete = m_history->incompleteText(); !incomplete.isEmpty()) {
        dialogs.message(incomplete, tr("History"), Dialogs::Icon::Exclamation);
        return;
    }
    // The window may be closed, and gone, while one of its boxes is up.
    const QPointer<PreferencesDialog> self(this);
    if (dialogs.message(tr("Save any changes made"), tr("Save Changes"), Dialogs::Icon::Question,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok ||
        !self)
        return;

    PreferenceEdits edits;
    Options& v = edits.values;
    v.savercon = m_saveRconOption->isChecked();
    v.savemessages = m_saveMessagesOption->isChecked();
    v.clearrconnew = m_clearRconOption->isChecked();
    v.clearmessnew = m_clearMessagesOption->isChecked();
    v.removeid = m_removeColoursOption->isChecked();
    v.usequery = m_queryOption->isChecked();
    v.autoqplayer = m_autoPlayersOption->isChecked();
    v.autoqplayerint = qint16(m_autoPlayersSeconds->value());
    v.autokick999 = m_autoKick999Option->isChecked();
    v.autokick999int = qint16(m_autoKick999Checks->value());
    v.autoconnect = m_autoConnectOption->isChecked();
    v.autoconnectserv = m_startupServer->text();
    v.autoconnectport = m_startupPort->text();
    v.autoconnectrcon = m_startupPassword->text();
    v.automessage = m_autoMessagesOption->isChecked();
    edits.messagesetText = m_startupSet->text();
    edits.messagetimeText = m_startupInterval->text();
    edits.changed = m_changed;

    const PreferenceSaveResult result =
        savePreferences(m_settings, m_session.state().options, edits);
    if (result.stoppedAtSavercon) {
        const PreferenceWriteFailure& f = result.failures.first();
        reportWriteFailure(tr("save rcon"), f.errorCode, f.errorDescription);
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
    if (m_history->isChanged()) {
        const HistorySettings history = m_history->settings();
        if (!writeHistorySettings(m_settings, history)) {
            reportWriteFailure(tr("history settings"), m_settings.errorCode(),
                               m_settings.errorDescription());
            return;
        }
        m_history->clearChanged();
        emit historySaved(history);
    }
    if (m_language->isChanged()) {
        if (!languagesetting::save(m_settings, m_language->language())) {
            reportWriteFailure(tr("language"), m_settings.errorCode(),
                               m_settings.errorDescription());
            return;
        }
        m_language->clearChanged();
    }
    emit saved(savedKeys);
    dialogs.message(tr("Preferences saved."), tr("Saved"), Dialogs::Icon::Information);
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
    if (m_changed.isEmpty() && !m_history->isChanged() && !m_language->isChanged()) {
        close();
        return;
    }
    const QPointer<PreferencesDialog> self(this);
    if (m_session.dialogs().message(tr("Exit preferences?\r\r"
                                       "This will cancel any changes made\r\r"
                                       "Please select Save first if any changes"),
                                    tr("Have you Saved?"), Dialogs::Icon::Information,
                                    Dialogs::Buttons::OkCancel) == Dialogs::Answer::Ok &&
        self)
        close();
}
