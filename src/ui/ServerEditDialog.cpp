#include "ServerEditDialog.h"

#include "base/Wire1252.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <tuple>

namespace {

QLineEdit* field(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

} // namespace

ServerEditDialog::ServerEditDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmserveredit"));
    setWindowTitle(tr("Vostrel - Server"));
    setMinimumWidth(fontMetrics().averageCharWidth() * 50); // a host name fits whole

    m_address = field("txtaddress", this);
    m_address->setPlaceholderText(tr("host name or IP address"));
    m_port = field("txtport", this);
    m_port->setMaxLength(5);
    m_password = field("txtpassword", this);
    m_password->setEchoMode(QLineEdit::Password);
    m_name = field("txtname", this);
    m_name->setPlaceholderText(tr("optional"));
    m_connectAtStart = new QCheckBox(tr("Connect at &start"), this);
    m_connectAtStart->setObjectName(QStringLiteral("chkconnectatstart"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Address:"), m_address);
    form->addRow(tr("&Port:"), m_port);
    form->addRow(tr("RCON pass&word:"), m_password);
    form->addRow(tr("&Name:"), m_name);
    form->addRow(QString(), m_connectAtStart);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lblproblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ServerEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ServerEditDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    setRecord({});
}

void ServerEditDialog::setRecord(const ServerRecord& record) {
    m_address->setText(record.address);
    m_port->setText(record.port.isEmpty() ? QString::number(kDefaultPort) : record.port);
    m_password->setText(record.password);
    m_name->setText(record.name);
    m_connectAtStart->setChecked(record.connectAtStart);
    m_problem->hide();
}

ServerRecord ServerEditDialog::record() const {
    return {m_address->text().trimmed(), m_port->text().trimmed(), m_password->text(),
            m_name->text().trimmed(), m_connectAtStart->isChecked()};
}

ServerEditDialog::Problem ServerEditDialog::findProblem() const {
    const ServerRecord r = record();
    if (r.address.isEmpty())
        return {tr("Type the server's address: a host name or an IP address."), m_address};
    if (r.address.contains(u' '))
        return {tr("The address cannot hold spaces."), m_address};
    bool number = false;
    const uint port = r.port.toUInt(&number);
    if (!number || port < 1 || port > 65535)
        return {tr("The port must be a number from 1 to 65535."), m_port};
    // Whole sentences, so that each language words its own field.
    const std::tuple<const char*, QString, QLineEdit*> texts[] = {
        {QT_TR_NOOP("The address holds characters the settings file cannot keep: %1"), r.address,
         m_address},
        {QT_TR_NOOP("The RCON password holds characters the settings file cannot keep: %1"),
         r.password, m_password},
        {QT_TR_NOOP("The name holds characters the settings file cannot keep: %1"), r.name,
         m_name}};
    for (const auto& [refusal, text, edit] : texts) {
        const QString unsupported = wire1252::unsupportedCharacters(text);
        if (!unsupported.isEmpty())
            return {tr(refusal).arg(unsupported), edit};
    }
    return {};
}

void ServerEditDialog::accept() {
    const Problem wrong = findProblem();
    if (!wrong.field) {
        QDialog::accept();
        return;
    }
    m_problem->setText(wrong.text);
    m_problem->show();
    // The field at fault takes the focus, so the operator types the fix straight away.
    wrong.field->setFocus();
    wrong.field->selectAll();
}
