#include "MessagePlans.h"

#include "app/SayPrefix.h"

#include <QCoreApplication>

namespace messageplans {

Plan oneOffMessage(const QString& userPrefix, const QString& text) {
    const QString message = userPrefix + QLatin1Char(' ') + text;
    return {Step{
        Request::message(sayCommand(message))
            .from(QCoreApplication::translate("messageplans", "message (with the user prefix)")),
        QCoreApplication::translate("messageplans", "Message to server>> %1").arg(message)}};
}

} // namespace messageplans
