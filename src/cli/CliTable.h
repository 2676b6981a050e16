// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QStringList>

namespace cardisto {

// cardisto-cli table ...: writes the contacts of the inputs as a table, one row per contact. The
// arguments are those after the program name, the first being "table"; rawArguments, when given,
// the same as the system passed them. `in` is standard input (null: the process's own).
int runTableCommand(const QStringList& arguments, QIODevice& out, QIODevice& err, QIODevice* in = nullptr,
                    const QList<QByteArray>& rawArguments = {});

} // namespace cardisto
