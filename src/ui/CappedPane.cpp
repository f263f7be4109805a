#include "CappedPane.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

bool endsBlock(QChar c) {
    return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator;
}

} // namespace

void appendToCappedPane(QPlainTextEdit& pane, const QString& text, const QTextCharFormat& format) {
    QTextDocument* document = pane.document();
    const int cap = document->maximumBlockCount();
    QStringView kept = text;
    QTextCursor cursor(document);
    if (cap > 0) {
        const auto newBlocks = int(std::count_if(text.begin(), text.end(), endsBlock));
        if (newBlocks >= cap) {
            // The text alone fills the pane: only its own newest lines stay.
            qsizetype from = text.size();
            for (int found = 0; found < cap;)
                found += endsBlock(text.at(--from)) ? 1 : 0;
            kept = kept.mid(from + 1);
            document->clear();
        } else if (const int excess = document->blockCount() + newBlocks - cap; excess > 1) {
            // Inside an edit block the cursor lays out nothing while it moves.
            cursor.beginEditBlock();
            cursor.setPosition(document->findBlockByNumber(excess).position(),
                               QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            cursor.endEditBlock();
        }
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(kept.toString(), format);
    pane.setTextCursor(cursor);
}
