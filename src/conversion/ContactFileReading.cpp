// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactFileReading.h"

#include "StandardText.h"
#include "VcfFileReading.h"
#include "shell/ErrorReport.h"

#include <limits>
#include <utility>

namespace cardisto {

namespace {

// Reads the contacts of bytes that owned holds (or that live elsewhere when owned is null).
void readContactsInPieces(QByteArrayView bytes, QByteArray* owned, ContactReader::Reading reading, qsizetype pieceBytes,
                          const ContactPieceSink& takePiece)
{
    // Counting reads no value, so it need not know what their bytes are (a look at all of them).
    const bool counting = reading == ContactReader::Reading::CountsOnly;
    const StandardText standard = counting ? StandardText{eightBitTextOf(bytes, owned)} : standardTextOf(bytes, owned);
    PackedContacts piece;
    bool stopped = false;
    const auto take = [&](const ContactRow& row) {
        piece.append(row);
        if (qsizetype(piece.byteSize()) < pieceBytes)
            return true;
        stopped = !takePiece(std::exchange(piece, PackedContacts()), false);
        return !stopped;
    };
    ContactReader reader(standard.values, reading, take);
    reader.readLines(standard.text());
    reader.finish();
    // After a stop asked for by the sink, nothing more is handed over.
    if (!stopped)
        takePiece(std::move(piece), true);
}

} // namespace

void ReadVCFContactsInPieces(const QString& path, ContactReader::Reading reading, qsizetype pieceBytes,
                             const ContactPieceSink& takePiece, ErrorReporter& reporter)
{
    Guard guard(reporter, ErrorLocation::velmora(QStringLiteral("Extract1"), QStringLiteral("ReadVCFContacts")));
    QByteArray bytes;
    guard(100, [&] { bytes = ReadFileToString(path); });
    guard(102, [&] { readContactsInPieces(bytes, &bytes, reading, pieceBytes, takePiece); });
}

PackedContacts readVcfContacts(QByteArrayView fileBytes, ContactReader::Reading reading)
{
    PackedContacts contacts;
    readContactsInPieces(fileBytes, nullptr, reading, std::numeric_limits<qsizetype>::max(),
                         [&contacts](PackedContacts piece, bool) {
                             contacts = std::move(piece);
                             return true;
                         });
    return contacts;
}

} // namespace cardisto
