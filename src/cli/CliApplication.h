#pragma once

#include <QIODevice>
#include <QStringList>

namespace cardisto {

// Exit statuses of the batch front end.
enum CliExit { kCliOk = 0, kCliReportedError = 1, kCliUsage = 2 };

// The batch front end: "convert" and "extract" over the same code as the windows. Writes results
// to out and messages and reported errors to err; returns the exit status.
int runCli(const QStringList& arguments, QIODevice& out, QIODevice& err);

} // namespace cardisto
