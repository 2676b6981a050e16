// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QAbstractItemModel;

namespace cardisto {

// The text that "Copy Results To Clipboard" puts on the clipboard: one line per set row, no header
// line; each cell padded with blanks to its column's width (the longest cell of the column, headers
// not counted) and followed by a tab, then the line's final tab and its trailing blanks dropped
// (tabs stay), then CR LF.
//
// No value when the list has no rows: the clipboard is then left alone. Rows present but none set
// give an empty text, which empties the clipboard. letEventsRun is called once per row when given;
// putting the text on the clipboard is the window's job.
std::optional<QString> CopyListviewToClipboardText(const QAbstractItemModel& list,
                                                   const std::function<void()>& letEventsRun = {});

} // namespace cardisto
