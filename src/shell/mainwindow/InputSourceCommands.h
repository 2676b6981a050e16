// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "inputs/InputCommands.h"

#include <QObject>

namespace cardisto {

class MainWindowLink;

// The main window's ways to fill the input file list from elsewhere: "Add All VCF Files In Folder"
// (PushButton5), a folder dropped on ListView1, "Load List Of Files From Text File" (PushButton21),
// "Load Sample/Example Files" (PushButton23) and the files named on the command line.
class InputSourceCommands final : public QObject {
    Q_OBJECT
public:
    // Takes over the folder drops of the main window's input file list.
    explicit InputSourceCommands(MainWindowLink& link, QObject* parent = nullptr);

    void addAllVcfFilesInFolder();
    void loadListOfFilesFromTextFile();
    void loadSampleFiles();
    void addCommandLineInputs(const QStringList& entries);

private:
    InputCommandContext m_context;
};

} // namespace cardisto
