// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

namespace cardisto {

// One option of a command as --help lists it and as the parser takes it.
struct CliOptionEntry {
    QStringList names;   // "h", "help"
    QString valueName;   // empty for a switch
    QString description; // one sentence, no line breaks
};

// The help of one command: everything --help prints, in this order.
struct CliCommandHelp {
    QStringList usage;                                        // synopsis lines, after "Usage: "
    QString summary;                                          // what the command does
    QList<QPair<QString, QList<CliOptionEntry>>> optionGroups; // a heading and its options
    QString notes;                                            // free text after the options
    QStringList examples;                                     // command lines
};

// "convert", "extract", "table" and the overview of the program.
const CliCommandHelp& convertHelp();
const CliCommandHelp& extractHelp();
const CliCommandHelp& tableHelp();
QString overviewHelpText();

// The text --help prints: usage, summary, options, notes, the exit statuses, examples.
QString helpText(const CliCommandHelp& help);

// The options of a command, for QCommandLineParser.
QList<QCommandLineOption> parserOptions(const CliCommandHelp& help);

// The option entry whose names include this one; null when there is none.
const CliOptionEntry* findOption(const CliCommandHelp& help, QStringView name);

} // namespace cardisto
