// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputCommands.h"

#include "ChooseFolder.h"
#include "FilePattern.h"
#include "FolderScan.h"
#include "InputFileList.h"
#include "PathListFile.h"
#include "SampleFiles.h"
#include "shell/ErrorReport.h"
#include "shell/SettingsStore.h"
#include "shell/platform/FileSelection.h"
#include "shell/platform/Platform.h"

namespace cardisto {

namespace {

ErrorLocation form1Location(const char* procedure)
{
    return ErrorLocation::velmora(QStringLiteral("Form1"), QString::fromLatin1(procedure));
}

void setBusy(InputCommandContext& context, bool busy)
{
    if (context.setBusy)
        context.setBusy(busy);
}

// One message per scan for every name it had to leave out, and one for the folders it could not open.
void showLeftOutNames(InputCommandContext& context, const QStringList& names)
{
    if (!names.isEmpty())
        context.platform.showMessage(unrepresentableNamesMessage(names));
}
void showUnopenedFolders(InputCommandContext& context, const QStringList& folders)
{
    if (!folders.isEmpty())
        context.platform.showMessage(unopenedFoldersMessage(folders));
}

} // namespace

QString pathListHelpText()
{
    return QStringLiteral("File should look like:\rC:\\test\\1.txt\rC:\\test\\2.txt\retc.");
}

void addAllVcfFilesInFolder(InputCommandContext& context)
{
    Guard guard(context.reporter, form1Location("PushButton5_Click"));
    QString lastFolder;
    guard(100, [&] { lastFolder = context.settings.read(SettingKey::LastFolder); });
    QString chosen;
    guard(102, [&] { chosen = ChooseFolder(context.platform, chooseFolderTitle(), lastFolder); });
    if (chosen.isEmpty())
        return;
    guard(104, [&] { context.settings.save(SettingKey::LastFolder, chosen); });
    guard(106, [&] { setBusy(context, true); });
    FolderScanResult result;
    guard(108, [&] {
        result = scanFolderTree(chosen, vcfFilePattern(), context.reporter, context.yield, context.stop);
        context.list.append(result.paths);
    });
    guard(110, [&] { setBusy(context, false); });
    guard(112, [&] { showLeftOutNames(context, result.unrepresentable); });
    guard(114, [&] { showUnopenedFolders(context, result.unopenedFolders); });
}

void dropFolderOnList(InputCommandContext& context, const QString& folder)
{
    Guard guard(context.reporter, form1Location("ListView1_OLEDragDrop"));
    FolderScanResult result;
    guard(100, [&] { result = addDroppedFolder(context.list, folder, context.reporter, context.yield, context.stop); });
    guard(102, [&] { showLeftOutNames(context, result.unrepresentable); });
    guard(104, [&] { showUnopenedFolders(context, result.unopenedFolders); });
}

void loadListOfFilesFromTextFile(InputCommandContext& context)
{
    Guard guard(context.reporter, form1Location("PushButton21_Click"));
    guard(100, [&] { context.platform.showMessage(pathListHelpText()); });
    FileSelection selection;
    guard(102, [&] {
        selection = context.platform.chooseFilesToOpen(addFilesDialogTitle(), allFilesDialogFilter());
        if (selection.isTooManyFiles())
            throw ProcedureFailure(QStringLiteral("The names of the selected files do not fit the dialog's buffer "
                                                  "of %1 characters. Please select fewer files.")
                                       .arg(kSelectionBufferCharacters));
    });
    // A single part is one full path, used unchanged; several are a folder and the names chosen in it.
    for (const QString& path : selection.paths())
        guard(104, [&] { LoadListFromFile(context.list, path, context.platform); });
}

void loadSampleExampleFiles(InputCommandContext& context)
{
    Guard guard(context.reporter, form1Location("PushButton23_Click"));
    guard(100, [&] { LoadSampleFiles(context.list, context.settings, context.platform, context.programFolder); });
}

} // namespace cardisto
