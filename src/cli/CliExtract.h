// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QStringList>

namespace cardisto {

// cardisto-cli extract ...: runs one extraction command over the input files. The arguments are
// those after the program name, the first being "extract"; rawArguments, when given, the same as
// the system passed them. `in` is standard input (null: the process's own).
int runExtractCommand(const QStringList& arguments, QIODevice& out, QIODevice& err, QIODevice* in = nullptr,
                      const QList<QByteArray>& rawArguments = {});

} // namespace cardisto
