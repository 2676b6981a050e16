// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ErrorReport.h"

#include <QStringList>
#include <optional>

namespace cardisto {

class ExtractionHost;

// Where a run was stopped: after how many of its files (counted when it started), and whether it
// was part way through the next one.
struct StoppedRun {
    qsizetype filesFinished = 0;
    qsizetype fileCount = 0;
    bool inFile = false; // stopped in file filesFinished + 1, whose results so far are listed
    bool operator==(const StoppedRun&) const = default;
};

// "Stopped in file 2 of 3" or "Stopped after 2 of 3 files".
QString stoppedRunText(const StoppedRun& stop);

// What to say of the lines a run without decoding read as they stand though decoding would read
// them otherwise: how many, and the option that reads them.
QString linesDecodingReadsOtherwiseText(qsizetype lines);

// The one message that names the listed files a run did not read because they are plainly no
// vCard files (binary data). A long list names the first files and counts the others.
QString refusedFilesMessage(const QStringList& paths);

// What a window says when one of its runs ends, beyond the rows it found: that it was stopped and
// where, how many lines the decoding option would read otherwise, and which listed files were no vCard files, all named in one message instead of an error
// box for each. Every other failure still goes to the error box at once. A window's extraction
// host keeps one.
class RunReport {
public:
    RunReport() = default;
    RunReport(const RunReport&) = delete;
    RunReport& operator=(const RunReport&) = delete;

    // A run begins: nothing noted yet, and the window's note about an earlier run goes.
    void start(ExtractionHost& host);
    // The reporter for the run's failures: during a run, refused files are noted; everything else
    // goes on to `window`.
    ErrorReporter& reporter(ErrorReporter& window);
    void noteStopped(const StoppedRun& stop) { m_stopped = stop; }
    void noteLinesDecodingReadsOtherwise(qsizetype lines) { m_linesDecodingReadsOtherwise += lines; }
    // The run has ended: a stop goes to the progress caption and the window's note, then one
    // message names the refused files.
    void finish(ExtractionHost& host);

    const std::optional<StoppedRun>& stopped() const { return m_stopped; }
    const QStringList& refusedFiles() const { return m_reporter.refused; }

private:
    struct NotingReporter final : ErrorReporter {
        void reportApplicationError(const ErrorLocation& location, int line, const QString& description) override
        {
            window->reportApplicationError(location, line, description);
        }
        void noteUnlistableFolder(const QString& folder) override { window->noteUnlistableFolder(folder); }
        void reportRefusedFile(const ErrorLocation& location, int line, const QString& description,
                               const QString& path) override;
        ErrorReporter* window = nullptr;
        bool running = false;
        QStringList refused;
    };

    NotingReporter m_reporter;
    std::optional<StoppedRun> m_stopped;
    qsizetype m_linesDecodingReadsOtherwise = 0;
};

} // namespace cardisto
