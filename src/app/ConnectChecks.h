#pragma once

#include <QList>
#include <QString>

#include <optional>

// "server:port" as the operator reads it; an IPv6 address goes in brackets.
QString addressText(const QString& server, const QString& port);

// The box of a connect whose "status" went unanswered after every attempt. Whether the server
// answered the public status query tells a server that ignores the remote console (a wrong
// password, which some servers meet with silence, or the console switched off) from none.
QString unansweredConnectText(const QString& address, bool publicQueryAnswered);

// A port typed by the operator: a whole number from 1 to 65535 in decimal digits, blanks
// around it allowed; nothing otherwise.
std::optional<quint16> parsePort(const QString& text);

// A text the operator typed, with the name of its box (in the operator's language).
struct TypedField {
    QString name;
    QString text;
};
// The title and text of the box that refuses the first field with characters that
// Windows-1252, the code page of the game's text and of the settings file, cannot hold: such
// text would reach the server and the file changed. The text is empty when every one fits.
QString unsupportedTitle();
QString unsupportedTextRefusal(const QList<TypedField>& fields);
// The same for the three fields of the connection row.
QString connectionRowRefusal(const QString& server, const QString& port, const QString& password);
