// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlignedTextFile.h"

#include "FileReplacement.h"
#include "ListColumns.h"
#include "WriteBack.h"
#include "WriteProgress.h"
#include "shell/FileHelpers.h"
#include "shell/ProgressCaption.h"

#include <QAbstractItemModel>
#include <QIODevice>
#include <cmath>

namespace cardisto {

namespace {

// Text is gathered into pieces of about this many characters before it goes to the device, so that
// a long list costs a few thousand writes rather than one per line.
constexpr qsizetype kPieceCharacters = qsizetype(32) * 1024;

// Every this many bytes, what was written goes to the disk in the background.
constexpr qint64 kWriteBackBytes = qint64(4) * 1024 * 1024;

// The caption appears with the row number every this many rows.
constexpr qsizetype kCaptionEveryRows = 1000;

class AlignedTextWriter {
public:
    AlignedTextWriter(const QAbstractItemModel& list, const QString& captionName, WriteProgress* progress)
        : m_list(list), m_caption(QStringLiteral("Writing file: ") + captionName), m_progress(progress)
    {}

    void start() { show(1, m_caption); }

    void measure()
    {
        m_widths = listColumnWidths(m_list, true, [this] { letEventsRun(); });
        show(10, m_caption);
    }

    void writeHeader(QIODevice& device)
    {
        for (int column = 0; column < m_widths.size(); ++column)
            appendAlignedCell(m_piece, listHeaderText(m_list, column), m_widths[column]);
        m_piece.append(QStringLiteral("\r\n"));
        flush(device);
        show(20, m_caption);
    }

    void writeRows(QIODevice& device)
    {
        const int rows = listRowCount(m_list);
        for (int row = 0; row < rows; ++row) {
            letEventsRun();
            if (!listRowIsSet(m_list, row))
                continue;
            for (int column = 0; column < m_widths.size(); ++column)
                appendAlignedCell(m_piece, listCellText(m_list, row, column), m_widths[column]);
            m_piece.append(QStringLiteral("\r\n"));
            const qsizetype number = row + 1;
            if (m_progress) {
                setValue(alignedTextPercent(number, rows));
                if (number % kCaptionEveryRows == 0)
                    m_progress->setProgressCaption(m_caption + QStringLiteral(" (") + QString::number(number) + u')');
            }
            if (m_piece.size() >= kPieceCharacters)
                flush(device);
        }
        flush(device);
    }

    void finish() { show(100, QStringLiteral("Done.")); }

    void rest() { show(0, restingProgressCaption()); }

private:
    void flush(QIODevice& device)
    {
        if (m_piece.isEmpty())
            return;
        const QByteArray bytes = m_piece.toUtf8();
        m_piece.resize(0);
        if (device.write(bytes) != bytes.size())
            throw ProcedureFailure(QStringLiteral("Cannot write the file: %1").arg(device.errorString()));
        m_unsynced += bytes.size();
        if (m_unsynced >= kWriteBackBytes) {
            startWritingBack(device);
            m_unsynced = 0;
        }
    }

    void show(int value, const QString& caption)
    {
        if (!m_progress)
            return;
        setValue(value);
        m_progress->setProgressCaption(caption);
    }

    void setValue(int value)
    {
        if (value == m_shownValue)
            return;
        m_shownValue = value;
        m_progress->setProgressValue(value);
    }

    void letEventsRun()
    {
        if (m_progress)
            m_progress->letEventsRun();
    }

    const QAbstractItemModel& m_list;
    const QString m_caption;
    WriteProgress* m_progress;
    QList<qsizetype> m_widths;
    QString m_piece;
    qint64 m_unsynced = 0;
    int m_shownValue = -1;
};

// Runs the writer's statements in order and stops at the first that fails, so that one failure
// gives one report and the caller knows not to announce success. The bar comes to rest either way.
template <typename Open, typename Close>
bool runAlignedTextWriter(const QAbstractItemModel& list, const QString& captionName, ErrorReporter& reporter,
                          WriteProgress* progress, Open&& open, Close&& close)
{
    Guard guard(reporter, alignedTextErrorLocation());
    AlignedTextWriter writer(list, captionName, progress);
    QIODevice* device = nullptr;
    const bool written =
        guard(kAlignedTextStart, [&] { writer.start(); }) && guard(kAlignedTextWidths, [&] { writer.measure(); }) &&
        guard(kAlignedTextCreate, [&] { device = &open(); }) &&
        guard(kAlignedTextHeader, [&] { writer.writeHeader(*device); }) &&
        guard(kAlignedTextRows, [&] { writer.writeRows(*device); }) && guard(kAlignedTextClose, [&] { close(); });
    if (written)
        writer.finish();
    writer.rest();
    return written;
}

} // namespace

ErrorLocation alignedTextErrorLocation()
{
    return ErrorLocation::velmora(QStringLiteral("Main"), QStringLiteral("SaveListviewProperlySpaced"));
}

int alignedTextPercent(qsizetype row, qsizetype rowCount)
{
    if (rowCount <= 0)
        return 100;
    const qsizetype ahead = rowCount / 2000 + row; // whole-number division, as the bar has always counted
    const double percent = double(ahead) / double(rowCount) * 100.0;
    return int(std::lround(std::min(percent, 100.0)));
}

bool SaveListviewProperlySpaced(const QAbstractItemModel& list, QIODevice& device, const QString& captionName,
                                ErrorReporter& reporter, WriteProgress* progress)
{
    auto open = [&device]() -> QIODevice& {
        if (!device.isOpen() || !device.isWritable())
            throw ProcedureFailure(QStringLiteral("The output is not open for writing."));
        return device;
    };
    return runAlignedTextWriter(list, captionName, reporter, progress, open, [] {});
}

bool SaveListviewProperlySpaced(const QAbstractItemModel& list, const QString& path, ErrorReporter& reporter,
                                WriteProgress* progress)
{
    FileReplacement file(path);
    auto open = [&file]() -> QIODevice& { return file.open(); };
    auto close = [&file] { file.commit(); };
    return runAlignedTextWriter(list, FileNameOnly(path), reporter, progress, open, close);
}

} // namespace cardisto
