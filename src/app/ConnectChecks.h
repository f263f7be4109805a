#pragma once

#include <QList>
#include <QString>

#include <optional>

// What the server's answer to the password probe ("status") says about the password.
enum class PasswordCheck {
    Accepted,      // anything else, also no answer at all
    BadPassword,   // "Bad rconpassword."
    NoPasswordSet, // "No rconpassword set on the server.": the server runs no command at all
};

// Reads the start of the reply, in any letter case.
PasswordCheck checkPasswordReply(const QString& response);

// A port typed by the operator: a whole number from 1 to 65535 in decimal digits, blanks
// around it allowed; nothing otherwise.
std::optional<quint16> parsePort(const QString& text);

// A text the operator typed, with the name of its box.
struct TypedField {
    QString name;
    QString text;
};
// The title and text of the box that refuses the first field with characters that
// Windows-1252, the code page of the game's text and of the settings file, cannot hold: such
// text would reach the server and the file changed. The text is empty when every one fits.
inline const QString kUnsupportedTitle = QStringLiteral("Unsupported characters");
QString unsupportedTextRefusal(const QList<TypedField>& fields);
// The same for the three fields of the connection row.
QString connectionRowRefusal(const QString& server, const QString& port, const QString& password);
