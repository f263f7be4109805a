#include "QtDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QMessageBox::Icon toQt(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Dialogs::Answer QtDialogs::message(const QString& text, const QString& title, Icon icon,
                                   Buttons buttons) {
    const QString shown = QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (buttons == Buttons::Ok) {
        m_open.removeIf([](const QPointer<QMessageBox>& box) { return box.isNull(); });
        for (const QPointer<QMessageBox>& box : std::as_const(m_open))
            if (box->isVisible() && box->windowTitle() == title && box->text() == shown)
                return Answer::Ok;
        auto* box = new QMessageBox(toQt(icon), title, shown, QMessageBox::Ok, m_parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        m_open << box;
        box->open();
        return Answer::Ok;
    }
    QMessageBox box(toQt(icon), title, shown, QMessageBox::NoButton, m_parent);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    default:
        return Answer::Ok;
    }
}

Dialogs::Answer QtDialogs::askOnce(const QString& text, const QString& title, bool& dontAskAgain) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    auto* check = new QCheckBox(tr("Don't ask again"));
    box.setCheckBox(check);
    const bool yes = box.exec() == QMessageBox::Yes;
    dontAskAgain = check->isChecked();
    return yes ? Answer::Yes : Answer::No;
}

Dialogs::Answer QtDialogs::askWithReason(const QString& text, const QString& title,
                                         const QStringList& recentReasons, QString& reason,
                                         bool& dontAskAgain) {
    QDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("reasonQuestion"));
    dialog.setWindowTitle(title);
    auto* question = new QLabel(text);
    question->setObjectName(QStringLiteral("lblreasonquestion"));
    question->setWordWrap(true);
    question->setTextFormat(Qt::PlainText);
    auto* icon = new QLabel;
    const int iconSize = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(dialog.style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(iconSize));
    auto* head = new QHBoxLayout;
    head->addWidget(icon, 0, Qt::AlignTop);
    head->addWidget(question, 1);

    // Editable: a reason of the moment is typed, a recurring one picked; empty gives none.
    auto* reasons = new QComboBox;
    reasons->setObjectName(QStringLiteral("comreason"));
    reasons->setEditable(true);
    reasons->setInsertPolicy(QComboBox::NoInsert);
    reasons->addItems(recentReasons);
    reasons->setCurrentIndex(-1);
    reasons->setMinimumContentsLength(30);
    reasons->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    reasons->lineEdit()->setPlaceholderText(tr("(none)"));
    auto* reasonLabel = new QLabel(tr("&Reason:"));
    reasonLabel->setObjectName(QStringLiteral("lblreason"));
    reasonLabel->setBuddy(reasons);
    auto* form = new QFormLayout;
    form->addRow(reasonLabel, reasons);

    auto* check = new QCheckBox(tr("Don't ask again"));
    check->setObjectName(QStringLiteral("chkdontask"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No);
    buttons->setObjectName(QStringLiteral("reasonButtons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(head);
    layout->addLayout(form);
    layout->addWidget(check);
    layout->addWidget(buttons);
    reasons->setFocus();

    const bool yes = dialog.exec() == QDialog::Accepted;
    dontAskAgain = check->isChecked();
    reason = yes ? reasons->currentText().trimmed() : QString();
    return yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtDialogs::saveFileName(const QString& title, const QString& proposedName,
                                const QString& defaultSuffix) {
    QFileDialog dialog(m_parent, title, proposedName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setNameFilters({tr("Log files (*.%1)").arg(defaultSuffix), tr("All files (*)")});
    dialog.selectFile(proposedName + QLatin1Char('.') + defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::beep() {
    QApplication::beep();
}
