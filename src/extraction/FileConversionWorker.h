// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/ConversionChoice.h"
#include "conversion/PackedContacts.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <chrono>
#include <map>
#include <memory>
#include <optional>

namespace cardisto {

class ErrorReporter;

// The converted text of one input file, or of one piece of a large one, and its lines when the
// run asked for them; or the file's contacts, when the run reads contacts.
struct ConvertedFile {
    QString text;
    QList<QStringView> lines; // views into text
    QList<quint64> lineHashes; // ResultTextIndex::hashOf of each line, worked out beside the conversion
    qsizetype linesBefore = 0; // lines of the file's pieces before this one
    qsizetype linesDecodingReadsOtherwise = 0; // see ConvertedPiece
    PackedContacts contacts;
};

// What the worker makes of each file.
enum class FileReading {
    Text,          // the converted text, whole
    Lines,         // the converted text in pieces, cut into lines
    Contacts,      // the contacts, in pieces
    ContactCounts, // how many e-mails, phones, addresses and websites each contact has, in pieces
};

// How many bytes of a file the worker converts at a time when the run takes lines: the lines of one
// piece are offered while the next converts, and a huge file is never held converted whole.
inline constexpr qsizetype kConversionPieceBytes = 1024 * 1024;

// Where an All Fields conversion has got to in assembling its values (position from 0 to last);
// no position while it has not started assembling.
struct AssemblyPosition {
    qsizetype position = -1;
    qsizetype last = -1;
    bool started() const { return position >= 0; }
    bool operator==(const AssemblyPosition&) const = default;
};

namespace detail {
struct WorkerQueue;
struct FileConversionJob;
} // namespace detail

// Reads and converts the input files of one run on a thread of its own, a few files ahead of the
// file whose lines the run is offering, so that the run's thread (the window's) never waits on a
// disk or a conversion and both cores work.
//
// What the conversion would have shown on the run's thread is kept and given back at the file's
// turn: the failures it reported, with their locations and statement numbers, and how far the
// assembly of values has got. A file is converted with the path and field choice the run hands
// over at its turn; a conversion made ahead with another path or choice (the user changed the list
// or the option meanwhile) is thrown away and made again, so results equal a run that reads every
// file at its turn.
//
// A file whose lines the run takes comes in pieces (see convertVcfBytesInPieces): the worker
// converts at most 16 pieces ahead of the one being offered, so memory stays bounded however
// large the file.
//
// Used from one thread (the run's). Destroying the worker abandons it: queued files are dropped, and
// a conversion under way finishes on its thread unseen, so that a stopped run never waits for it.
class FileConversionWorker {
public:
    // Lines and the contacts come in pieces of about pieceBytes (file bytes, or stored bytes of
    // contacts); the text of a file comes whole, in one piece.
    explicit FileConversionWorker(FileReading reading, qsizetype pieceBytes = kConversionPieceBytes);
    // cutLines: FileReading::Lines, otherwise FileReading::Text.
    explicit FileConversionWorker(bool cutLines, qsizetype pieceBytes = kConversionPieceBytes)
        : FileConversionWorker(cutLines ? FileReading::Lines : FileReading::Text, pieceBytes)
    {}
    ~FileConversionWorker();
    FileConversionWorker(const FileConversionWorker&) = delete;
    FileConversionWorker& operator=(const FileConversionWorker&) = delete;

    // Queues file `index` of the run, to be converted after the files queued before it; a file
    // queued already is left as it is.
    void prefetch(qsizetype index, const QString& path, const ConversionChoice& choice);

    // Makes file `index` the one the run waits for: its conversion ahead is kept when it was made
    // with this path and choice, otherwise it is (re)queued first. Conversions ahead of earlier
    // files are dropped.
    void startTurn(qsizetype index, const QString& path, const ConversionChoice& choice);

    // Waits at most `timeout` for the next piece of the file of the turn, or for its end; true once
    // there.
    bool waitForPiece(std::chrono::milliseconds timeout);
    // Where the assembly of the file of the turn has got to, when it moved on since the last call.
    std::optional<AssemblyPosition> assemblyToShow();
    // Once waitForPiece said so: hands the failures the conversion reported since the last call to
    // `reporter`, in order, and returns the next piece. At the end of the file: rethrows (once) a
    // failure the conversion did not catch, or returns nothing.
    std::optional<ConvertedFile> takePiece(ErrorReporter& reporter);

    // Worker threads of abandoned workers that are still converting, in the whole process.
    static int abandonedThreadsRunning();

private:
    std::shared_ptr<detail::WorkerQueue> m_queue;
    std::map<qsizetype, std::shared_ptr<detail::FileConversionJob>> m_jobs;
    std::shared_ptr<detail::FileConversionJob> m_turn;
    AssemblyPosition m_shownAssembly;
};

// True when two choices convert a file alike.
bool sameConversionChoice(const ConversionChoice& a, const ConversionChoice& b);

} // namespace cardisto
