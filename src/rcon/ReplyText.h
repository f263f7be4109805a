#pragma once

#include <QString>

// Reading the text of a reply.
namespace replytext {

// Every run of blanks becomes one blank, also inside quoted values.
QString collapseBlanks(const QString& text);

// Why the server did not take a command, from its reply: it does not know the command (a line
// starting "unknown command", in any letter case, with or without the name in quotes), or it
// shows the command's usage (a line starting "Usage:"). Empty when the reply says neither.
// Chat and other console lines that come along in a reply start otherwise.
QString refusalOf(const QString& reply, const QString& command);

} // namespace replytext

// The value in double quotes that follows the first match of key (any letter case) in the
// reply; "" when the key is absent or no complete pair of double quotes follows it.
QString getquoted(const QString& reply, const QString& key);
