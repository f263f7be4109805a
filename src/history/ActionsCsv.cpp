#include "ActionsCsv.h"

namespace {

QString cell(QString text) {
    // A spreadsheet runs a cell that starts with one of these as a formula.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        return u'"' + text.replace(u'"', QLatin1String("\"\"")) + u'"';
    return text;
}

} // namespace

QByteArray actionsCsv(const QList<ActionRecord>& actions) {
    QString csv = QStringLiteral("Time (UTC),Server,Operator,Prefix,Kind,Command,Outcome,"
                                 "Server's words,Player,Address,GUID,Reason\r\n");
    for (const ActionRecord& action : actions) {
        const QString cells[] = {action.at.toUTC().toString(Qt::ISODate),
                                 action.server,
                                 action.operatorUser,
                                 action.operatorPrefix,
                                 action.kind,
                                 action.command,
                                 action.outcome,
                                 action.serverWords,
                                 action.playerName,
                                 action.playerAddress,
                                 action.playerGuid,
                                 action.reason};
        QStringList row;
        for (const QString& text : cells)
            row << cell(text);
        csv += row.join(u',') + QLatin1String("\r\n");
    }
    return csv.toUtf8();
}
