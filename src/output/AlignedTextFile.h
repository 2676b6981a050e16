// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ErrorReport.h"

#include <QString>

class QAbstractItemModel;
class QIODevice;

namespace cardisto {

class WriteProgress;

// The aligned text file: every column padded with blanks to its width (the longest of its header
// and its cells, in characters) and followed by a tab; the header line first, then one line per set
// row; CR LF line ends; UTF-8 without byte-order mark.

// Where failures of the writer are reported: Main.SaveListviewProperlySpaced.
ErrorLocation alignedTextErrorLocation();

// The numbered statements of the writer, as the error box names them.
enum AlignedTextStatement {
    kAlignedTextStart = 100,
    kAlignedTextWidths = 102,
    kAlignedTextCreate = 104,
    kAlignedTextHeader = 106,
    kAlignedTextRows = 108,
    kAlignedTextClose = 110,
};

// The bar value after row `row` (counted from 1, set or not) of `rowCount` rows:
// (rowCount integer-divided by 2000, plus row) / rowCount * 100, rounded and held at 100 at most.
int alignedTextPercent(qsizetype row, qsizetype rowCount);

// Writes the list to a device that is open for writing. captionName is the name shown on the
// progress bar ("Writing file: " + captionName). A failure is reported once, with the number of
// the failing statement, and nothing more is written; returns false then.
bool SaveListviewProperlySpaced(const QAbstractItemModel& list, QIODevice& device, const QString& captionName,
                                ErrorReporter& reporter, WriteProgress* progress = nullptr);

// Writes the list to a file (see FileReplacement). An existing file is replaced only once the whole
// new file is written, and after a failure it is left as it was, except where it must be written
// over in place; it keeps its owner and permissions. The bar shows the file name without its folder.
bool SaveListviewProperlySpaced(const QAbstractItemModel& list, const QString& path, ErrorReporter& reporter,
                                WriteProgress* progress = nullptr);

} // namespace cardisto
