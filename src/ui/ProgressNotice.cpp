#include "ProgressNotice.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

ProgressNotice::ProgressNotice(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmprogress"));
    m_txtprogress = new QPlainTextEdit(this);
    m_txtprogress->setObjectName(QStringLiteral("txtprogress"));
    m_txtprogress->setAccessibleName(QStringLiteral("Progress"));
    m_txtprogress->setReadOnly(true);
    m_txtprogress->setFocusPolicy(Qt::NoFocus);
    m_txtprogress->setFrameShape(QFrame::NoFrame);
    m_txtprogress->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtprogress->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtprogress->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtprogress->viewport()->setAutoFillBackground(false);
    m_txtprogress->document()->setDocumentMargin(0);
    m_txtprogress->setFixedHeight(m_txtprogress->fontMetrics().height() + 2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_txtprogress);
    hide();
}

void ProgressNotice::setText(const QString& text) {
    setVisible(!text.isEmpty());
    if (text == m_text)
        return;
    m_text = text;
    const QString lines = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_txtprogress->setPlainText(lines);
    m_txtprogress->setToolTip(lines.trimmed());
    // The newest step is the last line.
    m_txtprogress->moveCursor(QTextCursor::End);
}
