// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace cardisto {

class InputFileList;
class Platform;
class ProgramFolder;
class SettingsStore;

// The folder of the sample vCard files below the program's folder, as a path to list ("Samples")
// and as the prefix of the recorded paths and the folder to open ("Samples" and a separator).
QString sampleFolderPath(const ProgramFolder& programFolder);
QString sampleFolderPrefix(const ProgramFolder& programFolder);

// "Would you like this software to open the folder where these sample files are stored (so that you
// can view them before working with them)?"
QString openSampleFolderQuestion();

// The record of the sample files: their full paths joined by "|", in listing order; empty when the
// sample folder holds no files or does not exist.
QString sampleFileRecord(const ProgramFolder& programFolder);

// Lists the sample folder and stores the record, scrambled, under "Snapshot". An empty record stays
// empty, so a start without sample files records again at the next start.
void RecordSampleSnapshot(SettingsStore& settings, const ProgramFolder& programFolder);

// At start-up: records the sample files unless a record is stored already. The record is written
// once and never updated afterwards, unless it is damaged: then it is recorded again, so that the
// sample files stay within reach, and ProcedureFailure tells the start-up so.
void recordSampleSnapshotOnFirstStart(SettingsStore& settings, const ProgramFolder& programFolder);

// The recorded sample paths; none for a missing record. Throws ProcedureFailure for a damaged one.
QStringList recordedSampleFiles(const SettingsStore& settings);

// Appends the recorded sample files that still exist and are not listed yet (exact text), then
// asks whether to open the sample folder, also when nothing was appended, and on Yes opens it.
// Failures throw ProcedureFailure for the caller's guard.
void LoadSampleFiles(InputFileList& list, const SettingsStore& settings, Platform& platform,
                     const ProgramFolder& programFolder);

} // namespace cardisto
