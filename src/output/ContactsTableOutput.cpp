// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactsTableOutput.h"

#include "ContactWorkbook.h"
#include "DelimitedTableText.h"
#include "FileReplacement.h"
#include "SaveResultsAsExcelFile.h"
#include "SaveResultsAsTextFile.h"
#include "SpreadsheetExport.h"
#include "WorkbookTarget.h"
#include "WriteBack.h"
#include "shell/FileHelpers.h"
#include "shell/ProgressCaption.h"
#include "shell/platform/ClipboardRetry.h"
#include "shell/platform/Platform.h"

#include <QFile>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <thread>

namespace cardisto {

namespace {

// How much text gathers before it is written to the file, and how much is written before the
// system is asked to start putting it on the disk, so that the final sync has little left to do.
constexpr qsizetype kWritePiece = 256 * 1024;
constexpr qint64 kWriteBackBytes = qint64(4) * 1024 * 1024;

// Shows the hourglass for as long as it lives.
class TableBusy {
public:
    explicit TableBusy(ContactsTableOutputHost& host) : m_host(&host) { m_host->setBusyPointer(true); }
    ~TableBusy() { release(); }
    TableBusy(const TableBusy&) = delete;
    TableBusy& operator=(const TableBusy&) = delete;
    void release()
    {
        if (m_host)
            m_host->setBusyPointer(false);
        m_host = nullptr;
    }

private:
    ContactsTableOutputHost* m_host;
};

void showProgress(WriteProgress& progress, int value, const QString& caption)
{
    progress.setProgressValue(value);
    progress.setProgressCaption(caption);
}

// Before every row: events, and every thousand rows the bar's value.
std::function<void()> rowProgress(ContactsTableOutputHost& host, qsizetype& row)
{
    const qsizetype rows = std::max<qsizetype>(host.tableRowCount(), 1);
    return [&host, &row, rows] {
        if (++row % 1000 == 0)
            host.setProgressValue(int(row * 100 / rows));
        host.letEventsRun();
    };
}

// Puts the file in place on a thread of its own: the last sync of a large table to the disk can
// take a good part of a second, and the window keeps its turns meanwhile.
void commitLettingEventsRun(FileReplacement& file, ContactsTableOutputHost& host)
{
    std::exception_ptr failure;
    std::atomic<bool> done{false};
    std::thread committing([&] {
        try {
            file.commit();
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
    });
    while (!done.load()) {
        host.letEventsRun();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    committing.join();
    if (failure)
        std::rethrow_exception(failure);
}

void writeCsvFile(ContactsTableOutputHost& host, const QString& name)
{
    showProgress(host, 0, QStringLiteral("Writing file: ") + FileNameOnly(name));
    FileReplacement file(name);
    QIODevice& device = file.open();
    DelimitedTableText text(DelimitedTableText::Separator::Comma, false);
    qint64 unsynced = 0;
    const auto writePending = [&] {
        const QByteArray bytes = text.takeBytes();
        if (device.write(bytes) != bytes.size())
            throw ProcedureFailure(QStringLiteral("Cannot write %1: %2").arg(name, device.errorString()));
        unsynced += bytes.size();
        if (unsynced >= kWriteBackBytes) {
            startWritingBack(device);
            unsynced = 0;
        }
    };
    qsizetype row = 0;
    const std::function<void()> progress = rowProgress(host, row);
    host.writeTable(text, [&] {
        if (text.pendingSize() >= kWritePiece)
            writePending();
        progress();
    });
    writePending();
    commitLettingEventsRun(file, host);
}

} // namespace

ErrorLocation contactsTableLocation(const QString& procedure)
{
    return ErrorLocation::velmora(QStringLiteral("ContactsTable"), procedure);
}

QString saveCsvDialogTitle()
{
    return QStringLiteral("Save As CSV");
}

QString saveCsvDialogFilter()
{
    return QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*|");
}

QString tableCopiedMessage()
{
    return QStringLiteral("The contacts table has been copied to the clipboard.\r\rClick a text area where you "
                          "normally type and press Ctrl+V to paste the clipboard.");
}

bool SaveContactsTableAsCsv(ContactsTableOutputHost& host)
{
    Guard guard(host.errorReporter(), contactsTableLocation(QStringLiteral("SaveAsCsv_Click")));
    Platform& platform = host.platform();
    const QString name = chooseFileToWrite(guard, platform, saveCsvDialogTitle(), saveCsvDialogFilter());
    if (name.isEmpty())
        return false;
    bool written = false;
    {
        TableBusy busy(host);
        written = guard(104, [&] { writeCsvFile(host, name); });
        showProgress(host, 0, restingProgressCaption());
    }
    if (written)
        guard(106, [&] { platform.showMessage(QStringLiteral("Done.")); });
    return written;
}

QString SaveContactsTableAsExcelFile(ContactsTableOutputHost& host)
{
    if (host.tableRowCount() == 0)
        return {};
    const ErrorLocation location = contactsTableLocation(QStringLiteral("SaveAsExcelFile_Click"));
    Guard guard(host.errorReporter(), location);
    TableBusy busy(host);
    QString path;
    if (!guard(kSpreadsheetNew, [&] {
            path = claimNewWorkbookFile(host.workbookFolder(), QDateTime::currentDateTime(),
                                        QStringLiteral("Cardisto Contacts"));
        }))
        return {};
    qsizetype changedCells = 0;
    qsizetype row = 0;
    const std::function<void()> progress = rowProgress(host, row);
    showProgress(host, 0, QStringLiteral("Writing file: ") + FileNameOnly(path));
    const bool written = writeContactsWorkbook(
        path, location, host.errorReporter(), [&](ContactTableWriter& writer) { host.writeTable(writer, progress); },
        &changedCells);
    showProgress(host, 0, restingProgressCaption());
    if (!written) {
        QFile::remove(path); // the empty file that claimed the name
        return {};
    }
    busy.release();
    Platform& platform = host.platform();
    showSavedWorkbook(platform, guard, path, changedCells, QStringLiteral("contacts"),
                      [&platform](const QString& saved) { platform.showMessage(saved); });
    return path;
}

bool CopyContactsTable(ContactsTableOutputHost& host)
{
    if (host.tableRowCount() == 0)
        return false;
    Guard guard(host.errorReporter(), contactsTableLocation(QStringLiteral("Copy_Click")));
    TableBusy busy(host);
    const bool copied = guard(100, [&] {
        DelimitedTableText text(DelimitedTableText::Separator::Tab, false);
        host.writeTable(text, [&host] { host.letEventsRun(); });
        ClearClipboardRetrying(host.platform());
        if (!SetClipboardTextRetrying(host.platform(), QString::fromUtf8(text.takeBytes())))
            throw ProcedureFailure(QStringLiteral("The clipboard is in use by another program. Please try again."));
    });
    busy.release();
    if (copied)
        guard(102, [&] { host.platform().showMessage(tableCopiedMessage()); });
    return copied;
}

} // namespace cardisto
