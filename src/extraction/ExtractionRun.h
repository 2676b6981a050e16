// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps the six extraction commands share: the run flag, the opening checks and messages, the
// file loop with its progress, reading a file and offering results. Used by the commands only.

#include "ExtractionHost.h"
#include "FileConversionWorker.h"

#include <QString>
#include <QStringView>

namespace cardisto {

class Guard;

namespace extraction {

QString noFilesAddedMessage();
QString fillOutTextMessage();
QString fillOutMarkersMessage();
QString fillOutTextSetMessage();

// How a command turns "file i of n" into a percentage: rounded to the nearest whole percent (a
// half to even), or truncated. Either way clamped to 0..100, also when the list shrank meanwhile.
enum class PercentStyle { Rounded, Truncated };
int filePercent(qsizetype fileNumber, qsizetype currentCount, PercentStyle style);

// False once the user has removed rows so that position `index` is past the end of the input list.
inline bool inputRowExists(const ExtractionHost& host, qsizetype index)
{
    return index < host.inputCount();
}

// Progress value for file i (counted from 1) and the caption "Processing: " with the file name.
void showFileProgress(ExtractionHost& host, qsizetype fileNumber, const QString& path, PercentStyle style);

// How many files the worker reads and converts ahead of the file whose lines are offered.
inline constexpr qsizetype kFilesConvertedAhead = 1;

// The converted text of input file `index` at its turn, with the field choice read now: the
// worker's conversion made ahead, or made now while the user interface gets its turns. The
// failures and assembly progress of the conversion reach the host here, as if it had run on this
// thread. Queues the next files. False, with nothing read, when the host asked the run to stop
// meanwhile. A file whose lines the run takes may come in pieces: this gives the first.
bool readConvertedFile(ExtractionHost& host, FileConversionWorker& worker, qsizetype index, qsizetype fileCount,
                       const QString& path, ConvertedFile& file);

// The next piece of the file of the turn, waited for as readConvertedFile waits. False at the end
// of the file, or when the host asked the run to stop meanwhile.
bool readNextPiece(ExtractionHost& host, FileConversionWorker& worker, ConvertedFile& piece);

// Removes the column headers and adds the layout for the current source-column option.
void rebuildResultHeaders(ExtractionHost& host);

// Pointer back to the default, progress value 0 and caption "Progress Bar".
void resetProgress(ExtractionHost& host);

// Offers a result `count` times under the add rule, reading the options at every offer.
void offerResult(ExtractionHost& host, const QString& sourceEntry, HashedText resultText, qsizetype count);
// Offers a result once; its hash is worked out here.
void offerResult(ExtractionHost& host, const QString& sourceEntry, QStringView resultText);

// Lets the duplicate lookup of a result offered a few offers from now start loading its memory, so
// that the memory waits of several lookups overlap.
void hintUpcomingOffer(ExtractionHost& host, HashedText resultText, LookupDistance distance);

// Holds the host's run flag for one run. A run of a host whose flag is set does not start; one
// that starts clears the flag again when it ends.
class ExtractionRunFlag {
public:
    explicit ExtractionRunFlag(ExtractionHost& host) : m_host(host), m_started(!host.extractionRunning())
    {
        if (m_started)
            m_host.setExtractionRunning(true);
    }
    ~ExtractionRunFlag()
    {
        if (m_started)
            m_host.setExtractionRunning(false);
    }
    ExtractionRunFlag(const ExtractionRunFlag&) = delete;
    ExtractionRunFlag& operator=(const ExtractionRunFlag&) = delete;

    bool started() const { return m_started; }

private:
    ExtractionHost& m_host;
    bool m_started;
};

// Statements 102 to 110 of the commands that need a text filled out (statement 100 finds out
// whether it is): 102 says the text is missing; otherwise 104 and 106 do the same for the input
// list, 108 clears the results list and 110 rebuilds its headers. True when the run goes on.
bool startRunOverFiles(ExtractionHost& host, Guard& guard, bool textMissing, const QString& fillOutMessage);

// The statement numbers of the file loop inside a command's guarded procedure.
struct FileLoopStatements {
    int takeCount;
    int takeEntry;
    int startFile;
    int readFile;
};

// Whether the file loop needs the lines of the converted texts, or the texts alone; or instead the
// files' contacts, or their counts alone (see FileReading).
enum class FileParts { Text, TextAndLines, Contacts, ContactCounts };

// The file loop of every command: n taken once; for every input row still there, progress, yield
// and hourglass, then withFile(path, convertedFile), which may take what the piece holds. The
// files are read and converted on a worker (readConvertedFile); for all parts but FileParts::Text
// a large file comes in pieces, and withFile is called for each. The loop ends before the next
// file or piece once the host asks the run to stop, and tells the host where (noteRunStopped).
template <typename WithFile>
void forEveryInputFile(ExtractionHost& host, Guard& guard, const FileLoopStatements& statements,
                       PercentStyle percentStyle, FileParts parts, WithFile&& withFile);

// The file loop of the line commands: the converted text of every file cut into lines, and for
// every line (statement handleLine) a yield and then as many offers of the line as
// offersFor(lineNumber, line) returns (line numbers count from 1). A stop asked for during a yield
// ends the run before the line's offers.
template <typename OffersFor>
void extractLinesOfEveryFile(ExtractionHost& host, Guard& guard, const FileLoopStatements& statements, int handleLine,
                             PercentStyle percentStyle, OffersFor&& offersFor);

} // namespace extraction
} // namespace cardisto

#include "ExtractionRun.inl"
