#include "ProgressNotice.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ProgressNotice::ProgressNotice(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmprogress"));
    setWindowTitle(QStringLiteral("Progress..."));
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* heading = new QLabel(QStringLiteral("Progress..."), frame);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    font.setBold(true);
    heading->setFont(font);
    m_txtprogress = new QPlainTextEdit(frame);
    m_txtprogress->setObjectName(QStringLiteral("txtprogress"));
    m_txtprogress->setReadOnly(true);
    m_txtprogress->setAccessibleName(QStringLiteral("Progress"));
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(heading);
    inner->addWidget(m_txtprogress);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(frame);
    resize(320, 160);
}

void ProgressNotice::setText(const QString& text) {
    m_text = text;
    m_txtprogress->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}
