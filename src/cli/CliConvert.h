// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QStringList>

namespace cardisto {

// cardisto-cli convert [--fields all|none|LIST] [--decode] FILE; the arguments are those after
// "convert", the first being the program's name. `in` is standard input (null: the process's own).
int runConvertCommand(const QStringList& arguments, QIODevice& out, QIODevice& err, QIODevice* in = nullptr,
                      const QList<QByteArray>& rawArguments = {});

} // namespace cardisto
