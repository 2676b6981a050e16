// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PhysicalLines.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace cardisto {

// The logical lines of a text, as vCards define them over its physical lines (LF, CR LF or CR):
// - a line that starts with a blank or a tab continues the line before (the line break and that
//   one character go);
// - in a quoted-printable property, a line that ends in "=" continues on the next line whatever
//   that line starts with (the "=" and the line break go), so an "=XX" cut by the break is whole
//   again.
// Nothing else changes: the lines are still as written.
class LogicalLines {
public:
    explicit LogicalLines(std::string_view text) : m_lines(text, LineEnds::Any) {}

    // The next logical line, a view of the text or of a joined copy that lives until the next call;
    // false when there is none left.
    bool next(std::string_view& line);

private:
    bool continuesJoined() const;
    // Once the head of the joined line is complete, whether its property is quoted-printable.
    void noteHead(size_t searchFrom);
    void joinNext(std::string_view next);

    PhysicalLines m_lines;
    std::string m_joined;
    std::optional<bool> m_quotedPrintable; // of the joined line, once its head is complete
};

// A file's text read in stretches: a UTF-8 byte-order mark at the start of the first stretch is no
// part of its first line. atFileStart is cleared.
inline std::string_view withoutByteOrderMark(std::string_view text, bool& atFileStart)
{
    if (std::exchange(atFileStart, false) && text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    return text;
}

// Whether the property on a line, as far as it is written, is quoted-printable.
bool isQuotedPrintableLine(std::string_view line);

} // namespace cardisto
