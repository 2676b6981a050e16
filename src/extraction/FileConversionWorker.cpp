// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileConversionWorker.h"

#include "ConvertedLines.h"
#include "conversion/VcfFileReading.h"
#include "shell/ErrorReport.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

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
    };
    void reportApplicationError(const ErrorLocation& location, int line, const QString& description) override
    {
        m_failures.append({location, line, description});
    }
    void replay(ErrorReporter& reporter) const
    {
        for (const Failure& failure : m_failures)
            reporter.reportApplicationError(failure.location, failure.line, failure.description);
    }

private:
    QList<Failure> m_failures;
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
    // Written by the worker before `done` is set under the queue's lock, read after.
    bool done = false;
    ConvertedFile converted;
    RecordedFailures failures;
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
    bool cutLines = false;
};

} // namespace detail

using detail::FileConversionJob;
using detail::WorkerQueue;

namespace {

void convert(FileConversionJob& job, bool cutLines)
{
    try {
        const AssemblyProgress progress = [&job](qsizetype position, qsizetype last) {
            job.assemblyLast.store(last, std::memory_order_relaxed);
            job.assemblyPosition.store(position, std::memory_order_release);
        };
        job.converted.text = ReadVCFFileToString(job.path, job.choice, progress, job.failures);
        if (cutLines)
            job.converted.lines = ConvertedLines(job.converted.text);
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
            convert(*job, queue->cutLines);
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

FileConversionWorker::FileConversionWorker(bool cutLines) : m_queue(std::make_shared<WorkerQueue>())
{
    m_queue->cutLines = cutLines;
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
    while (!m_jobs.empty() && m_jobs.begin()->first < index) {
        drop(m_jobs.begin()->second);
        m_jobs.erase(m_jobs.begin());
    }
    const auto ahead = m_jobs.find(index);
    if (ahead != m_jobs.end()) {
        const std::shared_ptr<FileConversionJob> job = ahead->second;
        m_jobs.erase(ahead);
        if (job->path == path && sameConversionChoice(job->choice, choice)) {
            m_turn = job;
            return;
        }
        drop(job);
    }
    m_turn = std::make_shared<FileConversionJob>(path, choice);
    m_queue->jobs.push_front(m_turn);
    m_queue->wake.notify_all();
}

bool FileConversionWorker::waitForTurn(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_queue->mutex);
    return m_queue->finished.wait_for(lock, timeout, [&] { return m_turn->done; });
}

AssemblyPosition FileConversionWorker::turnAssembly() const
{
    const qsizetype position = m_turn->assemblyPosition.load(std::memory_order_acquire);
    return {position, position < 0 ? -1 : m_turn->assemblyLast.load(std::memory_order_relaxed)};
}

ConvertedFile FileConversionWorker::finishTurn(ErrorReporter& reporter)
{
    const std::shared_ptr<FileConversionJob> job = std::move(m_turn);
    job->failures.replay(reporter);
    if (job->uncaught)
        std::rethrow_exception(job->uncaught);
    return std::move(job->converted);
}

} // namespace cardisto
