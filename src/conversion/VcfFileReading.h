// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionChoice.h"
#include "VcfConverter.h"

#include <QByteArray>
#include <QString>

namespace cardisto {

class ErrorReporter;

// The bytes of one input file: empty when the file does not exist, the marker "empty file" when it
// has no bytes. Throws ProcedureFailure when it cannot be read or is plainly no vCard (NUL bytes and
// no vCard start in its first 8 KiB, see looksLikeBinaryVcfData); the calling conversion reports it.
QByteArray ReadFileToString(const QString& path);

// The converted text of one file for the ticked field groups. Read failures are reported at
// Extract1.ReadVCFSomeFields and give an empty text.
QString ReadVCFSomeFields(const QString& path, const FieldGroups& groups, ErrorReporter& reporter);

// The converted text of one file with all fields; progress is called while the values are assembled.
QString ReadVCFAllFields(const QString& path, const AssemblyProgress& progress, ErrorReporter& reporter);

// Chooses the conversion by the field mode of the call, with the choice's decoding of folded and
// encoded lines. Safe to call from any thread: nothing is shared between calls.
QString ReadVCFFileToString(const QString& path, const ConversionChoice& choice, const AssemblyProgress& progress,
                            ErrorReporter& reporter);

// The same, with the converted text handed over in pieces as convertVcfBytesInPieces makes them.
// The failures are reported as ReadVCFFileToString reports them; a failure while converting ends
// the pieces early, without a last one.
void ReadVCFFileInPieces(const QString& path, const ConversionChoice& choice, qsizetype pieceBytes,
                         const ConvertedPieceSink& takePiece, const AssemblyProgress& progress, ErrorReporter& reporter);

} // namespace cardisto
