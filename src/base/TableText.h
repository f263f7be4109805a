#pragma once

#include <QCoreApplication>
#include <QString>

// A table's English text, marked for the translators with QT_TRANSLATE_NOOP(context, ...), in
// the operator's language. Tables keep the English, so nothing is frozen in the language of
// whoever read them first.
inline QString translatedIn(const char* context, const QString& text) {
    return text.isEmpty() ? text : QCoreApplication::translate(context, text.toUtf8().constData());
}
