// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QStringList>

namespace cardisto {

// Exit statuses of the batch front end.
enum CliExit { kCliOk = 0, kCliReportedError = 1, kCliUsage = 2 };

// The batch front end: "convert" and "extract" over the same code as the windows. Writes results
// to out and one line per report to err; returns the exit status. `in` is standard input (null:
// the process's own); rawArguments, when given, are the arguments as the system passed them.
int runCli(const QStringList& arguments, QIODevice& out, QIODevice& err, QIODevice* in = nullptr,
           const QList<QByteArray>& rawArguments = {});

} // namespace cardisto
