// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleFiles.h"

#include "FilePattern.h"
#include "GetFilesInFolder.h"
#include "InputFileList.h"
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"
#include "shell/ProgramFolder.h"
#include "shell/SettingsStore.h"
#include "shell/platform/Platform.h"

namespace cardisto {

namespace {

constexpr QChar kRecordSeparator = u'|';

} // namespace

QString sampleFolderPath(const ProgramFolder& programFolder)
{
    return programFolder.filePath(QStringLiteral("Samples"));
}

QString sampleFolderPrefix(const ProgramFolder& programFolder)
{
    return sampleFolderPath(programFolder) + nativeSeparator();
}

QString openSampleFolderQuestion()
{
    return QStringLiteral("Would you like this software to open the folder where these sample files are stored (so "
                          "that you can view them before working with them)?");
}

QString sampleFileRecord(const ProgramFolder& programFolder)
{
    const QString prefix = sampleFolderPrefix(programFolder);
    QStringList paths;
    for (const QString& name : GetFilesInFolder(sampleFolderPath(programFolder), allFilesPattern()))
        paths.append(prefix + name);
    return paths.join(kRecordSeparator);
}

void RecordSampleSnapshot(SettingsStore& settings, const ProgramFolder& programFolder)
{
    settings.save(SettingKey::Snapshot, scrambleSnapshot(sampleFileRecord(programFolder)));
}

void recordSampleSnapshotOnFirstStart(SettingsStore& settings, const ProgramFolder& programFolder)
{
    const QString stored = settings.read(SettingKey::Snapshot);
    if (stored.isEmpty()) {
        RecordSampleSnapshot(settings, programFolder);
        return;
    }
    try {
        unscrambleSnapshot(stored);
    } catch (const ProcedureFailure&) {
        RecordSampleSnapshot(settings, programFolder);
        throw ProcedureFailure(QStringLiteral(
            "The stored record of the sample files was damaged; the sample files have been recorded again."));
    }
}

QStringList recordedSampleFiles(const SettingsStore& settings)
{
    const QString record = unscrambleSnapshot(settings.read(SettingKey::Snapshot));
    if (record.isEmpty())
        return {};
    return record.split(kRecordSeparator);
}

void LoadSampleFiles(InputFileList& list, const SettingsStore& settings, Platform& platform,
                     const ProgramFolder& programFolder)
{
    for (const QString& path : recordedSampleFiles(settings)) {
        if (FileIsPresent(path) && !list.ItemExists(path))
            list.append(path);
    }
    if (platform.askYesNo(openSampleFolderQuestion()))
        platform.openFolder(sampleFolderPrefix(programFolder));
}

} // namespace cardisto
