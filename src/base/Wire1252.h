#pragma once

#include <QByteArray>
#include <QString>

// Text on the wire and in the settings file is Windows-1252. The five byte values that
// code page leaves undefined map to the C1 control characters of the same value, so every
// byte survives decode followed by encode unchanged.
namespace wire1252 {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);
// The characters of the text that the code page cannot hold, each once; empty when it holds
// them all.
QString unsupportedCharacters(const QString& text);

} // namespace wire1252
