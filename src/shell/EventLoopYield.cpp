// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLoopYield.h"

#include <QCoreApplication>
#include <algorithm>

namespace cardisto {

EventLoopYield::EventLoopYield(std::chrono::milliseconds interval, Clock clock)
    : m_intervalNs(std::chrono::duration_cast<std::chrono::nanoseconds>(interval).count()), m_clock(std::move(clock))
{
    m_timer.start();
    restart();
}

void EventLoopYield::restart()
{
    m_lastTurnEnd = nowNanoseconds();
    m_longestGapNs = 0;
    m_turns = 0;
}

std::chrono::milliseconds EventLoopYield::interval() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::nanoseconds(m_intervalNs));
}

void EventLoopYield::turn(qint64 now, QEventLoop::ProcessEventsFlags flags)
{
    m_longestGapNs = std::max(m_longestGapNs, now - m_lastTurnEnd);
    ++m_turns;
    QCoreApplication::processEvents(flags);
    // The time the events took is not part of a gap: the window was responsive meanwhile.
    m_lastTurnEnd = nowNanoseconds();
}

} // namespace cardisto
