// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <chrono>
#include <functional>

namespace cardisto {

inline constexpr std::chrono::milliseconds kDefaultYieldInterval{8};

// Lets pending window events run during a long command without paying for an event-loop turn at
// every step: the command calls maybeYield() as often as it likes (it only reads a clock), and the
// events run once the interval has passed since the previous turn. The longest stretch without a
// turn is kept, so a benchmark can tell how responsive the window stayed.
class EventLoopYield {
public:
    // Monotonic time in nanoseconds; tests pass their own clock.
    using Clock = std::function<qint64()>;

    explicit EventLoopYield(std::chrono::milliseconds interval = kDefaultYieldInterval, Clock clock = {});

    // Runs pending events when the interval has passed since the last turn; true when it did.
    bool maybeYield()
    {
        const qint64 now = nowNanoseconds();
        if (now - m_lastTurnEnd < m_intervalNs)
            return false;
        turn(now);
        return true;
    }

    // True when the interval has passed since the last turn, so that the next maybeYield() would
    // run events; lets a caller finish its own work (commit rows, say) just before the turn.
    bool isDue() const { return nowNanoseconds() - m_lastTurnEnd >= m_intervalNs; }

    // Runs pending events now, due or not (at the start and end of a command); with
    // ExcludeUserInputEvents, clicks and keys stay queued for the next turn.
    void yieldNow(QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents) { turn(nowNanoseconds(), flags); }

    // Starts measuring afresh, as if a turn had just ended.
    void restart();

    std::chrono::milliseconds interval() const;
    // The longest time between the end of one turn and the start of the next.
    std::chrono::nanoseconds longestGap() const { return std::chrono::nanoseconds(m_longestGapNs); }
    qint64 turnCount() const { return m_turns; }

private:
    qint64 nowNanoseconds() const { return m_clock ? m_clock() : m_timer.nsecsElapsed(); }
    void turn(qint64 now, QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);

    qint64 m_intervalNs;
    Clock m_clock;
    QElapsedTimer m_timer;
    qint64 m_lastTurnEnd = 0;
    qint64 m_longestGapNs = 0;
    qint64 m_turns = 0;
};

} // namespace cardisto
