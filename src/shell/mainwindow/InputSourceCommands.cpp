// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputSourceCommands.h"

#include "MainWindowLink.h"
#include "inputs/InputFileList.h"

namespace cardisto {

InputSourceCommands::InputSourceCommands(MainWindowLink& link, QObject* parent)
    : QObject(parent), m_context{link.inputFiles(),
                                 link.platform(),
                                 link.settings(),
                                 link.errorReporter(),
                                 link.programFolder(),
                                 [&link](bool busy) { link.setBusy(busy); },
                                 [&link] {
                                     link.yieldToUserInterface();
                                 },
                                 [&link] { return link.isClosing(); }}
{
    link.inputFiles().setFolderDropHandler([this](const QString& folder) { dropFolderOnList(m_context, folder); });
}

void InputSourceCommands::addAllVcfFilesInFolder()
{
    cardisto::addAllVcfFilesInFolder(m_context);
}

void InputSourceCommands::loadListOfFilesFromTextFile()
{
    cardisto::loadListOfFilesFromTextFile(m_context);
}

void InputSourceCommands::loadSampleFiles()
{
    loadSampleExampleFiles(m_context);
}

void InputSourceCommands::addCommandLineInputs(const QStringList& entries)
{
    cardisto::addCommandLineInputs(m_context, entries);
}

} // namespace cardisto
