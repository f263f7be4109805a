#pragma once

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
