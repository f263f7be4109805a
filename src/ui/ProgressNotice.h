#pragma once

#include <QWidget>

class QPlainTextEdit;

// The small "Progress..." window: shows what a long operation is doing.
class ProgressNotice : public QWidget {
    Q_OBJECT
public:
    explicit ProgressNotice(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

private:
    QPlainTextEdit* m_txtprogress;
    QString m_text;
};
