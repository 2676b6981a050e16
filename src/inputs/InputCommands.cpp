// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputCommands.h"

#include "ChooseFolder.h"
#include "FilePattern.h"
#include "FolderScan.h"
#include "InputFileList.h"
#include "PathListFile.h"
#include "SampleFiles.h"
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"
#include "shell/SettingsStore.h"
#include "shell/platform/FileSelection.h"
#include "shell/platform/Platform.h"

#include <utility>

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

void addCommandLineInputs(InputCommandContext& context, const QStringList& entries)
{
    Guard guard(context.reporter, form1Location("Form_Load"));
    QStringList files;
    QStringList leftOut;
    for (const QString& entry : entries) {
        if (context.stop && context.stop())
            return;
        if (!IsFolder(entry).value_or(false)) {
            files.append(entry);
            continue;
        }
        // The files before the folder first, so that its files come at its place.
        guard(100, [&] { context.list.append(std::exchange(files, {})); });
        guard(102, [&] { setBusy(context, true); });
        guard(104, [&] {
            FolderScanResult result =
                scanFolderTree(entry, vcfFilePattern(), context.reporter, context.yield, context.stop);
            context.list.append(result.paths);
            leftOut += result.unrepresentable;
        });
        guard(106, [&] { setBusy(context, false); });
    }
    guard(108, [&] { context.list.append(files); });
    guard(110, [&] { showLeftOutNames(context, leftOut); });
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
