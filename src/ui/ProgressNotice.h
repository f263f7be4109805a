#pragma once

#include <QWidget>

class QPlainTextEdit;

// The status bar's progress text: what the exchange under way is doing. Its lines (a step
// added below the one before) are shown newest first in view, one line high; the tool tip
// holds them all. It is hidden while no exchange shows a text.
class ProgressNotice : public QWidget {
    Q_OBJECT
public:
    explicit ProgressNotice(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    // An empty text hides the notice.
    void setText(const QString& text);
    // Whether the status bar holds a text, also while the window itself is off screen.
    bool isVisible() const { return !isHidden(); }

private:
    QPlainTextEdit* m_progressText;
    QString m_text;
};
