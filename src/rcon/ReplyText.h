#pragma once

#include <QString>

// Reading the text of a reply.
namespace replytext {

// Every run of blanks becomes one blank, also inside quoted values.
QString collapseBlanks(const QString& text);

} // namespace replytext

// The value in double quotes that follows the first match of key (any letter case) in the
// reply; "" when the key is absent or no complete pair of double quotes follows it.
QString getquoted(const QString& reply, const QString& key);
