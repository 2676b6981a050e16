// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogicalLines.h"

#include "PropertyLine.h"

namespace cardisto {

namespace {

bool endsInEquals(std::string_view line)
{
    return !line.empty() && line.back() == '=';
}

} // namespace

bool isQuotedPrintableLine(std::string_view line)
{
    PropertyLine property;
    return property.read(line) && !property.parameters().empty() && property.valueForm().quotedPrintable;
}

bool LogicalLines::next(std::string_view& line)
{
    std::string_view first;
    if (!m_lines.next(first))
        return false;
    const bool softBreak = !m_lines.atEnd() && endsInEquals(first) && isQuotedPrintableLine(first);
    if (!m_lines.nextIsFolded() && !softBreak) {
        line = first;
        return true;
    }
    m_joined.assign(first);
    m_quotedPrintable.reset();
    noteHead(0);
    do {
        std::string_view next;
        m_lines.next(next);
        const size_t appendedAt = m_joined.size();
        joinNext(next);
        noteHead(appendedAt == 0 ? 0 : appendedAt - 1);
    } while (continuesJoined());
    line = m_joined;
    return true;
}

bool LogicalLines::continuesJoined() const
{
    if (m_lines.atEnd())
        return false;
    return m_lines.nextIsFolded() || (m_quotedPrintable.value_or(false) && endsInEquals(m_joined));
}

void LogicalLines::noteHead(size_t searchFrom)
{
    if (m_quotedPrintable)
        return;
    // Only the appended part is searched for a colon, so a long run of continuation lines stays linear.
    if (std::string_view(m_joined).find(':', searchFrom) != std::string_view::npos)
        m_quotedPrintable = isQuotedPrintableLine(m_joined);
}

void LogicalLines::joinNext(std::string_view next)
{
    if (m_quotedPrintable.value_or(false) && endsInEquals(m_joined)) {
        m_joined.pop_back(); // the "="
        m_joined.append(next);
        return;
    }
    m_joined.append(next.substr(next.empty() ? 0 : 1)); // the blank or tab goes
}

} // namespace cardisto
