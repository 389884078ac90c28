#pragma once

class OvelaCycleMethod;
class QDate;
class QTextStream;

// `cycles` and `stats`: what the record shows, as a table for people or as pure JSON. Return
// the exit status.
int runCyclesCommand(const OvelaCycleMethod &journal, bool json, QTextStream &out);
// `stats` leaves out predictions for days before `today`.
int runStatsCommand(const OvelaCycleMethod &journal, bool json, QTextStream &out,
                    const QDate &today);
