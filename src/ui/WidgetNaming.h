#pragma once

#include <QLabel>
#include <QLatin1String>

// The object name tests and accessibility tools find a control by.
template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A label that names its field: a mnemonic in the text moves the focus to the field.
inline QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
