// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace cardisto {

// What the desktop program's command line asks for. Read before any window exists, so that --help
// and --version answer on standard output without a display.
struct DesktopArguments {
    enum class Action { Run, ShowHelp, ShowVersion };
    Action action = Action::Run;
    QStringList paths;          // to add to the input file list, in order
    QStringList unknownOptions; // texts starting with "-" that are no option of the program
};

// The arguments without the program's own name. "--" ends the options: what follows is a path
// even when it starts with "-".
DesktopArguments parseDesktopArguments(const QStringList& arguments);

QString desktopHelpText();    // "Usage: cardisto [OPTION]... [FILE]..." and the options
QString desktopVersionText(); // "cardisto 1.0.0"

// The paths given on the command line as input list entries: relative ones made absolute from the
// working folder, "." and ".." resolved, with the system's separators. A name that is not valid
// text keeps its bytes (see FileNameBytes.h), so the file is read as cardisto-cli reads it.
QStringList commandLineEntries(const QStringList& paths);

// The arguments the system passed, after the program's name, as text: on Unix from their bytes,
// names that are not valid UTF-8 included; on Windows as Qt has them.
QStringList commandLineArguments(int argc, const char* const* argv);

} // namespace cardisto
