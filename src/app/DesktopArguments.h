// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace cardisto {

class InputFileList;

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

// Adds the paths given on the command line to the input file list as if they were dropped on it:
// files as given (relative ones made absolute), a folder through the list's folder handler.
void addCommandLinePaths(InputFileList& list, const QStringList& paths);

} // namespace cardisto
