#include "MessagePlans.h"

#include "app/SayPrefix.h"

namespace messageplans {

Plan oneOffMessage(const QString& userPrefix, const QString& text) {
    const QString message = userPrefix + QLatin1Char(' ') + text;
    return {Step{Request::message(sayCommand(message))
                     .from(QStringLiteral("message (with the user prefix)")),
                 QStringLiteral("Message to server>> ") + message}};
}

} // namespace messageplans
