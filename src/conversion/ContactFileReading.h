// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContactReader.h"
#include "PackedContacts.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

namespace cardisto {

class ErrorReporter;

// Hears one piece of a file's contacts, the last flagged; false ends the reading there.
using ContactPieceSink = std::function<bool(PackedContacts piece, bool last)>;

// Reads the contacts of one input file, as the standard defines vCards whatever the decoding
// option says, and hands them over in pieces of about pieceBytes stored bytes, so that those of a
// large file can be used while the rest is read. A file that does not exist gives none; one that
// cannot be read or is plainly no vCard is reported at Extract1.ReadVCFContacts, as the
// conversions report theirs, and gives none. Safe to call from any thread.
void ReadVCFContactsInPieces(const QString& path, ContactReader::Reading reading, qsizetype pieceBytes,
                             const ContactPieceSink& takePiece, ErrorReporter& reporter);

// The contacts of a file's bytes in memory, all at once.
PackedContacts readVcfContacts(QByteArrayView fileBytes,
                               ContactReader::Reading reading = ContactReader::Reading::Values);

} // namespace cardisto
