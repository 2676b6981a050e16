// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace cardisto {

// Where the lines of a text end.
enum class LineEnds {
    // At every LF and nowhere else; a CR before the LF stays at the end of its line (the literal reading).
    LineFeedOnly,
    // At LF, CR LF and CR alone, as vCard files from every system end them. A run of CRs before a LF
    // (CR CR LF, as Apple's iOS export ends every line) is one line end.
    Any,
};

// The physical lines of a text, one after the other, without their ends. The text after the last
// line end is a line too, even when it is empty.
class PhysicalLines {
public:
    PhysicalLines(std::string_view text, LineEnds ends) : m_text(text), m_ends(ends) {}

    // The next line; false when there is none left.
    bool next(std::string_view& line)
    {
        if (m_start > m_text.size())
            return false;
        if (m_start == m_text.size()) {
            line = std::string_view();
            m_start = m_text.size() + 1;
            return true;
        }
        const size_t lineFeed = nextLineFeed();
        if (m_ends == LineEnds::LineFeedOnly) {
            line = m_text.substr(m_start, lineFeed - m_start);
            m_start = lineFeed + 1;
            return true;
        }
        size_t end = lineFeed;
        while (end > m_start && m_text[end - 1] == '\r')
            --end;
        const size_t carriageReturn = m_text.substr(m_start, end - m_start).find('\r');
        if (carriageReturn == std::string_view::npos) {
            line = m_text.substr(m_start, end - m_start);
            m_start = lineFeed + 1;
            return true;
        }
        // A CR alone ends this line; the CRs that follow it, and one LF after them, end it with it.
        end = m_start + carriageReturn;
        line = m_text.substr(m_start, end - m_start);
        m_start = end;
        while (m_start < m_text.size() && m_text[m_start] == '\r')
            ++m_start;
        if (m_start < m_text.size() && m_text[m_start] == '\n')
            ++m_start;
        return true;
    }

    // Whether there is a next line and it begins with a blank or a tab: a folded continuation.
    bool nextIsFolded() const
    {
        return m_start < m_text.size() && (m_text[m_start] == ' ' || m_text[m_start] == '\t');
    }

    bool atEnd() const { return m_start > m_text.size(); }

private:
    // The next LF at or after the start of the line (the text's size when there is none). Kept
    // between calls, so that a file of CR-only lines is not searched to its end once per line.
    size_t nextLineFeed()
    {
        if (m_lineFeed < m_start || m_lineFeed == kUnknown) {
            // find, not memchr: the view of an empty text may hold no pointer at all.
            const size_t found = m_text.find('\n', m_start);
            m_lineFeed = found == std::string_view::npos ? m_text.size() : found;
        }
        return m_lineFeed;
    }

    static constexpr size_t kUnknown = size_t(-1);

    std::string_view m_text;
    LineEnds m_ends;
    size_t m_start = 0;
    size_t m_lineFeed = kUnknown;
};

} // namespace cardisto
