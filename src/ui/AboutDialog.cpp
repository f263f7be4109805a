#include "AboutDialog.h"

#include "Version.h"
#include "ui/Mnemonics.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Vostrel"));
    auto* title = new QLabel(QStringLiteral("<h2>Vostrel</h2>"), this);
    auto* version = new QLabel(QStringLiteral("Version ") + QLatin1String(kVostrelVersion) +
                                   QStringLiteral(" - 10/Mar/2005\n"
                                                  "Remote administration for Call of Duty and "
                                                  "United Offensive servers"),
                               this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("aboutbuttons"));
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(sysInfo);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    // The OK button's caption is the platform's, with or without a letter.
    mnemonics::complete(this);
    auto* details = new QLabel(this);
    details->setObjectName(QStringLiteral("lblSysInfo"));
    layout->insertWidget(3, details);
    connect(sysInfo, &QPushButton::clicked, this, [details] {
#ifdef Q_OS_WIN
        if (QProcess::startDetached(QStringLiteral("msinfo32.exe"), {}))
            return;
#endif
        // Without the system's own viewer, show the essentials here.
        details->setText(QSysInfo::prettyProductName() + QLatin1Char('\n') +
                         QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion() +
                         QLatin1Char('\n') + QSysInfo::currentCpuArchitecture());
    });
}
