#pragma once

#include <QString>

// The two forms in which a settings page sends one server variable.
namespace varcommand {

enum class Form { Plain, Quoted };

// The name, one blank and the value: "sv_maxclients 20". An empty value still keeps the blank.
QString plainCommand(const QString& name, const QString& value);
// The name directly followed by the value in double quotes: scr_allow_mp40"1". A name that
// ends in a blank keeps it before the opening quote.
QString quotedCommand(const QString& name, const QString& value);
QString command(Form form, const QString& name, const QString& value);

} // namespace varcommand
