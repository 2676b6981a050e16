// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileConversionWorker.h"

#include "ConvertedLines.h"
#include "ResultTextIndex.h"
#include "conversion/ContactFileReading.h"
#include "conversion/VcfFileReading.h"
#include "shell/ErrorReport.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <limits>
#include <mutex>
#include <thread>
#include <utility>

namespace cardisto {

namespace {

std::atomic<int> g_abandonedThreads{0};

// The failures a conversion reported on the worker, kept to be shown at the file's turn.
class RecordedFailures final : public ErrorReporter {
public:
    struct Failure {
        ErrorLocation location;
        int line;
        QString description;
        QString refusedFile;
    };
    void reportApplicationError(const ErrorLocation& location, int line, const QString& description) override
    {
        std::lock_guard lock(m_mutex);
        m_failures.append({location, line, description, {}});
    }
    void reportRefusedFile(const ErrorLocation& location, int line, const QString& description,
                           const QString& path) override
    {
        std::lock_guard lock(m_mutex);
        m_failures.append({location, line, description, path});
    }
    // Hands on the failures recorded since the last call (from the run's thread only).
    void replayNew(ErrorReporter& reporter)
    {
        QList<Failure> fresh;
        {
            std::lock_guard lock(m_mutex);
            fresh = m_failures.mid(m_replayed);
            m_replayed = m_failures.size();
        }
        // Without the lock: the reporter may show an error box.
        for (const Failure& failure : std::as_const(fresh)) {
            if (failure.refusedFile.isEmpty())
                reporter.reportApplicationError(failure.location, failure.line, failure.description);
            else
                reporter.reportRefusedFile(failure.location, failure.line, failure.description, failure.refusedFile);
        }
    }

private:
    std::mutex m_mutex;
    QList<Failure> m_failures;
    qsizetype m_replayed = 0;
};

} // namespace

namespace detail {

struct FileConversionJob {
    FileConversionJob(QString path, const ConversionChoice& choice) : path(std::move(path)), choice(choice) {}

    const QString path;
    const ConversionChoice choice;
    std::atomic<bool> dropped{false};
    // Written by the worker while it assembles; read by the run's thread while it waits.
    std::atomic<qsizetype> assemblyPosition{-1};
    std::atomic<qsizetype> assemblyLast{-1};
    // Under the queue's lock: the pieces converted and not yet taken, and whether the conversion has
    // returned.
    std::deque<ConvertedFile> pieces;
    bool done = false;
    RecordedFailures failures;
    // Written by the worker before `done` is set under the queue's lock, read after.
    std::exception_ptr uncaught;
};

struct WorkerQueue {
    std::mutex mutex;
    std::condition_variable wake;     // work queued, or the run has gone
    std::condition_variable finished; // a job is done
    std::deque<std::shared_ptr<FileConversionJob>> jobs;
    bool abandoned = false;
    bool converting = false;
    bool countedAbandoned = false; // in g_abandonedThreads until the thread ends
    FileReading reading = FileReading::Text;
    qsizetype pieceBytes = 0;
};

} // namespace detail

using detail::FileConversionJob;
using detail::WorkerQueue;

namespace {

// Pieces that may wait, converted, for the run to take them: a file of ordinary size is converted
// whole ahead (its contents freed at once), a huge one never more than this far ahead.
constexpr qsizetype kPiecesAhead = 16;

// The duplicate lookups' hashes of the lines, so that the run's thread does not work them out.
QList<quint64> lineHashesOf(const QList<QStringView>& lines)
{
    QList<quint64> hashes;
    hashes.reserve(lines.size());
    for (const QStringView line : lines)
        hashes.append(ResultTextIndex::hashOf(line));
    return hashes;
}

// Hands a piece to the run: waits, once 16 pieces wait already, until the run has taken one or has
// gone. False when the run has gone or dropped the file.
bool handOver(WorkerQueue& queue, FileConversionJob& job, ConvertedFile piece, bool last)
{
    std::unique_lock lock(queue.mutex);
    job.pieces.push_back(std::move(piece));
    queue.finished.notify_all();
    // The file is done only once the reading has returned (work() says so): a failure it reports
    // after its last piece is then among the failures the run replays.
    if (last)
        return true;
    queue.wake.wait(lock,
                    [&] { return queue.abandoned || job.dropped || qsizetype(job.pieces.size()) < kPiecesAhead; });
    return !queue.abandoned && !job.dropped;
}

void readContacts(WorkerQueue& queue, FileConversionJob& job)
{
    const ContactReader::Reading reading =
        queue.reading == FileReading::Contacts ? ContactReader::Reading::Values : ContactReader::Reading::CountsOnly;
    ReadVCFContactsInPieces(
        job.path, reading, queue.pieceBytes,
        [&](PackedContacts contacts, bool last) {
            ConvertedFile piece;
            piece.contacts = std::move(contacts);
            return handOver(queue, job, std::move(piece), last);
        },
        job.failures);
}

void convert(WorkerQueue& queue, FileConversionJob& job)
{
    if (queue.reading == FileReading::Contacts || queue.reading == FileReading::ContactCounts) {
        try {
            readContacts(queue, job);
        } catch (...) {
            job.uncaught = std::current_exception();
        }
        return;
    }
    try {
        const AssemblyProgress progress = [&job](qsizetype position, qsizetype last) {
            job.assemblyLast.store(last, std::memory_order_relaxed);
            job.assemblyPosition.store(position, std::memory_order_release);
        };
        qsizetype linesBefore = 0;
        const auto takePiece = [&](ConvertedPiece converted) {
            const bool last = converted.last;
            ConvertedFile piece{std::move(converted.text), {}, {}, linesBefore, converted.linesDecodingReadsOtherwise, {}};
            if (queue.reading == FileReading::Lines) {
                piece.lines = ConvertedLines(piece.text);
                piece.lineHashes = lineHashesOf(piece.lines);
            }
            linesBefore += piece.lines.size();
            return handOver(queue, job, std::move(piece), last);
        };
        ReadVCFFileInPieces(job.path, job.choice, queue.pieceBytes, takePiece, progress, job.failures);
    } catch (...) {
        job.uncaught = std::current_exception();
    }
}

void work(const std::shared_ptr<WorkerQueue>& queue)
{
    std::unique_lock lock(queue->mutex);
    for (;;) {
        queue->wake.wait(lock, [&] { return queue->abandoned || !queue->jobs.empty(); });
        if (queue->abandoned)
            break;
        const std::shared_ptr<FileConversionJob> job = queue->jobs.front();
        queue->jobs.pop_front();
        queue->converting = true;
        lock.unlock();
        if (!job->dropped.load())
            convert(*queue, *job);
        lock.lock();
        queue->converting = false;
        job->done = true;
        queue->finished.notify_all();
    }
}

} // namespace

bool sameConversionChoice(const ConversionChoice& a, const ConversionChoice& b)
{
    return a.mode == b.mode && a.groups == b.groups && a.decodeLines == b.decodeLines;
}

FileConversionWorker::FileConversionWorker(FileReading reading, qsizetype pieceBytes)
    : m_queue(std::make_shared<WorkerQueue>())
{
    m_queue->reading = reading;
    m_queue->pieceBytes = reading == FileReading::Text ? std::numeric_limits<qsizetype>::max() : pieceBytes;
    std::thread([queue = m_queue] {
        work(queue);
        std::lock_guard lock(queue->mutex);
        if (queue->countedAbandoned)
            --g_abandonedThreads;
    }).detach();
}

FileConversionWorker::~FileConversionWorker()
{
    std::lock_guard lock(m_queue->mutex);
    for (const auto& job : m_queue->jobs)
        job->dropped = true;
    m_queue->jobs.clear();
    m_queue->abandoned = true;
    // The thread owns the queue with this worker; an idle one ends at once, a converting one when
    // its file is done. Neither is waited for.
    if (m_queue->converting) {
        m_queue->countedAbandoned = true;
        ++g_abandonedThreads;
    }
    m_queue->wake.notify_all();
}

int FileConversionWorker::abandonedThreadsRunning()
{
    return g_abandonedThreads.load();
}

void FileConversionWorker::prefetch(qsizetype index, const QString& path, const ConversionChoice& choice)
{
    if (m_jobs.contains(index))
        return;
    auto job = std::make_shared<FileConversionJob>(path, choice);
    m_jobs.emplace(index, job);
    std::lock_guard lock(m_queue->mutex);
    m_queue->jobs.push_back(std::move(job));
    m_queue->wake.notify_all();
}

void FileConversionWorker::startTurn(qsizetype index, const QString& path, const ConversionChoice& choice)
{
    std::lock_guard lock(m_queue->mutex);
    const auto drop = [this](const std::shared_ptr<FileConversionJob>& job) {
        job->dropped = true;
        std::erase(m_queue->jobs, job);
    };
    // The file before may have been left part way (a failure while offering it).
    if (m_turn)
        drop(m_turn);
    m_shownAssembly = {};
    while (!m_jobs.empty() && m_jobs.begin()->first < index) {
        drop(m_jobs.begin()->second);
        m_jobs.erase(m_jobs.begin());
    }
    const auto ahead = m_jobs.find(index);
    if (ahead != m_jobs.end() && ahead->second->path == path && sameConversionChoice(ahead->second->choice, choice)) {
        m_turn = ahead->second;
        m_jobs.erase(ahead);
    } else {
        // Made again at the front. The worker may be waiting inside a file ahead for its turn:
        // those are dropped too, and queued again by the next prefetch.
        for (const auto& later : m_jobs)
            drop(later.second);
        m_jobs.clear();
        m_turn = std::make_shared<FileConversionJob>(path, choice);
        m_queue->jobs.push_front(m_turn);
    }
    m_queue->wake.notify_all();
}

bool FileConversionWorker::waitForPiece(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_queue->mutex);
    return m_queue->finished.wait_for(lock, timeout, [&] { return !m_turn->pieces.empty() || m_turn->done; });
}

std::optional<AssemblyPosition> FileConversionWorker::assemblyToShow()
{
    const qsizetype position = m_turn->assemblyPosition.load(std::memory_order_acquire);
    const AssemblyPosition reached{position, position < 0 ? -1 : m_turn->assemblyLast.load(std::memory_order_relaxed)};
    if (!reached.started() || reached == m_shownAssembly)
        return std::nullopt;
    m_shownAssembly = reached;
    return reached;
}

std::optional<ConvertedFile> FileConversionWorker::takePiece(ErrorReporter& reporter)
{
    m_turn->failures.replayNew(reporter);
    {
        std::lock_guard lock(m_queue->mutex);
        if (!m_turn->pieces.empty()) {
            ConvertedFile piece = std::move(m_turn->pieces.front());
            m_turn->pieces.pop_front();
            m_queue->wake.notify_all();
            return piece;
        }
    }
    if (const std::exception_ptr uncaught = std::exchange(m_turn->uncaught, nullptr))
        std::rethrow_exception(uncaught);
    return std::nullopt;
}

} // namespace cardisto
