#include "ProgressNotice.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

ProgressNotice::ProgressNotice(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmprogress"));
    m_progressText = new QPlainTextEdit(this);
    m_progressText->setObjectName(QStringLiteral("txtprogress"));
    m_progressText->setAccessibleName(tr("Progress"));
    m_progressText->setReadOnly(true);
    m_progressText->setFocusPolicy(Qt::NoFocus);
    m_progressText->setFrameShape(QFrame::NoFrame);
    m_progressText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_progressText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_progressText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_progressText->viewport()->setAutoFillBackground(false);
    m_progressText->document()->setDocumentMargin(0);
    m_progressText->setFixedHeight(m_progressText->fontMetrics().height() + 2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_progressText);
    hide();
}

void ProgressNotice::setText(const QString& text) {
    setVisible(!text.isEmpty());
    if (text == m_text)
        return;
    m_text = text;
    const QString lines = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_progressText->setPlainText(lines);
    m_progressText->setToolTip(lines.trimmed());
    // The newest step is the last line.
    m_progressText->moveCursor(QTextCursor::End);
}
