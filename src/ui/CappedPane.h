#pragma once

class QPlainTextEdit;
class QString;
class QTextCharFormat;

// Appends text to a pane that keeps only its newest maximumBlockCount() lines. The document's
// own cap walks a cursor over every line it drops and lays each out first, so a 1,000-line
// reply into a full pane cost several times what it costs into an empty one. Here the oldest
// lines go in one cut made by position before the text goes in; a single line is still left to
// the document, for which the cut's extra change of the document costs more than one layout.
void appendToCappedPane(QPlainTextEdit& pane, const QString& text, const QTextCharFormat& format);
