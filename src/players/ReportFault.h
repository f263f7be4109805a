#pragma once

#include "StatusParser.h"

#include <QString>

// Why a status reply gave no whole player list.
enum class ReportFault {
    None,
    EndedEarly, // the head came, the rest of the report never did
    NotAList,   // something came back that is not a player list
};
ReportFault reportFault(const QString& reply, const StatusReport& report);

// The reply's first line that holds anything, as printed.
QString firstLineOf(const QString& reply);
