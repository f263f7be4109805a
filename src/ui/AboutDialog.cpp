#include "AboutDialog.h"

#include "Version.h"
#include "ui/Mnemonics.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel* plainLabel(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// The installed notes lie beside the program's folder, as `cmake --install` and the package
// put them (bin/ and share/doc/vostrel/); a program run from its build folder has none.
QString installedNotesFolder() {
    const QFileInfo folder(QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral("../share/doc/vostrel")));
    return folder.isDir() ? folder.canonicalFilePath() : QString();
}

QString sourceText() {
    // The project has no public address; the licence itself is what gives the right to the
    // source.
    const QString notes = installedNotesFolder();
    if (notes.isEmpty())
        return QCoreApplication::translate("AboutDialog",
                                           "Whoever gave you this program in binary form owes you "
                                           "its complete source code under that licence. The terms "
                                           "are in the file LICENSE of the source.");
    return QCoreApplication::translate(
               "AboutDialog",
               "Whoever gave you this program in binary form owes you its complete source code "
               "under that licence. The licence terms and the notes that came with the program "
               "are in <a href=\"%1\">%2</a>.")
        .arg(QUrl::fromLocalFile(notes).toString(QUrl::FullyEncoded).toHtmlEscaped(),
             QDir::toNativeSeparators(notes).toHtmlEscaped());
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Vostrel"));
    // Wide enough that the licence and the source read as lines, not as a column of words.
    setMinimumWidth(fontMetrics().averageCharWidth() * 64);
    auto* title = new QLabel(QStringLiteral("<h2>Vostrel</h2>"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    auto* version =
        plainLabel(QStringLiteral("lblVersion"),
                   tr("Version %1\nRemote administration for Call of Duty and United Offensive "
                      "servers")
                       .arg(QLatin1String(kVostrelVersion)),
                   this);
    auto* licence = plainLabel(
        QStringLiteral("lblLicence"),
        tr("Vostrel is free software: you may share and change it under the GNU General Public "
           "License, version 3 or any later version (GPL-3.0-or-later). It comes with no "
           "warranty."),
        this);
    auto* source = new QLabel(sourceText(), this);
    source->setObjectName(QStringLiteral("lblSource"));
    source->setTextFormat(Qt::RichText);
    source->setWordWrap(true);
    source->setOpenExternalLinks(true);
    source->setTextInteractionFlags(Qt::TextBrowserInteraction);
    auto* qt = plainLabel(QStringLiteral("lblQt"),
                          tr("Running on Qt %1").arg(QLatin1String(qVersion())), this);
    auto* sysInfo = new QPushButton(tr("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("aboutbuttons"));
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* details = plainLabel(QStringLiteral("lblSysInfo"), QString(), this);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{title, version, licence, source, qt,
                                                           sysInfo, details, buttons})
        layout->addWidget(widget);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    // The OK button's caption is the platform's, with or without a letter.
    mnemonics::complete(this);
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
