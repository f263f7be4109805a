#pragma once

#include <QString>

// Some replies say that they are complete: their last line can only come last. For those the
// client need not wait out the quiet period that ends every other reply.
namespace replyend {

// The reply to `command` (as sent, without "rcon <password>") ends with the line that closes
// it: "N files listed" for fdir, "N cvar indexes" for cvarlist, the empty line after the rows
// for status. False for every other command, and while the closing line is not in yet.
bool isComplete(const QString& command, const QString& text);

} // namespace replyend
