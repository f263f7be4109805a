#pragma once

#include "ui/WidgetNaming.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPushButton>
#include <QTimer>

namespace messageframes {

inline QPushButton* tippedButton(const QString& caption, const char* name, const QString& tip,
                                 QWidget* parent) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setToolTip(tip);
    return b;
}

// Focus that leaves because another window came up, or a popup opened, is not the operator
// leaving the box.
inline bool operatorLeft(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Not inside the focus change that is running.
inline void refocusLater(QWidget* widget) {
    QTimer::singleShot(0, widget, [widget] { widget->setFocus(Qt::OtherFocusReason); });
}

} // namespace messageframes
