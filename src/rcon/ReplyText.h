#pragma once

#include <QString>

// Reading the text of a reply.
namespace replytext {

// Every run of blanks becomes one blank, also inside quoted values.
QString collapseBlanks(const QString& text);

} // namespace replytext

// The value of the variable named key (its whole name, any letter case, blanks around the
// key ignored) in a listing: the first line that is the variable's, either a cvarlist line
// (flags, name, value in double quotes) or the answer to a query by name ("name"
// is:"value^7" ..., the value without the colour reset the engine adds). "" when no line is
// the variable's or its value has no closing double quote.
QString getquoted(const QString& reply, const QString& key);
