// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FolderWalk.h"
#include "shell/ProgramFolder.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace cardisto {

class ErrorReporter;
class InputFileList;
class Platform;
class SettingsStore;

// What the commands that fill the input file list from folders, list files and the sample files
// need from the main window.
struct InputCommandContext {
    InputFileList& list;
    Platform& platform;
    SettingsStore& settings;
    ErrorReporter& reporter;
    ProgramFolder programFolder;
    std::function<void(bool busy)> setBusy; // the main window's hourglass
    YieldHook yield;                        // lets pending window events run
    StopCheck stop = {};                    // the main window is closing: a scan ends at once
};

// "File should look like:" CR "C:\test\1.txt" CR "C:\test\2.txt" CR "etc."
QString pathListHelpText();

// "Add All VCF Files In Folder": asks for a folder (starting at "LastFolder"), saves it as
// "LastFolder" at once, and with the hourglass showing appends every vCard file of its tree.
// Cancelling changes nothing. Names that are not valid text are left out and named in one message
// at the end. Failures are reported as Form1.PushButton5_Click.
void addAllVcfFilesInFolder(InputCommandContext& context);

// A folder dropped on the input file list: every file of its tree, of any type, without the
// hourglass. Failures outside the walk are reported as Form1.ListView1_OLEDragDrop.
void dropFolderOnList(InputCommandContext& context, const QString& folder);

// The files and folders named on the desktop program's command line, as input list entries, in
// order: a file is appended as it is; a folder adds its vCard files by the rules of "Add All VCF
// Files In Folder" (the whole tree, level by level), with the hourglass showing meanwhile. Names
// that are not valid text are left out and named in one message at the end. Failures are reported
// as Form1.Form_Load, the start-up these files belong to.
void addCommandLineInputs(InputCommandContext& context, const QStringList& entries);

// "Load List Of Files From Text File": shows the help box, lets the user choose list files and
// appends their lines, file by file. Failures are reported as Form1.PushButton21_Click, and the
// next chosen file is still read.
void loadListOfFilesFromTextFile(InputCommandContext& context);

// "Load Sample/Example Files". Failures are reported as Form1.PushButton23_Click.
void loadSampleExampleFiles(InputCommandContext& context);

} // namespace cardisto
