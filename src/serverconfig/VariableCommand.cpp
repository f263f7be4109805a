#include "VariableCommand.h"

namespace varcommand {

QString plainCommand(const QString& name, const QString& value) {
    return name + QLatin1Char(' ') + value;
}

QString quotedCommand(const QString& name, const QString& value) {
    return name + QLatin1Char('"') + value + QLatin1Char('"');
}

QString command(Form form, const QString& name, const QString& value) {
    return form == Form::Plain ? plainCommand(name, value) : quotedCommand(name, value);
}

} // namespace varcommand
