// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/EventLoopYield.h"

#include <QTest>
#include <QTimer>

using namespace cardisto;
using namespace std::chrono_literals;

// The yield is driven by a clock the test moves by hand, so the tests say exactly when a turn of
// the event loop is due.
class TestEventLoopYield : public QObject {
    Q_OBJECT
private:
    qint64 m_now = 0;
    EventLoopYield::Clock clock()
    {
        return [this] {
            return m_now;
        };
    }
    void advance(std::chrono::microseconds step) { m_now += std::chrono::nanoseconds(step).count(); }

    // Posts an event to this thread's queue and returns a flag that turns true when it ran.
    std::shared_ptr<bool> postEvent()
    {
        auto ran = std::make_shared<bool>(false);
        QTimer::singleShot(0, this, [ran] { *ran = true; });
        return ran;
    }

private Q_SLOTS:
    void init() { m_now = 1'000'000'000; }

    void pendingEvents_runOnlyOnceTheIntervalHasPassed()
    {
        EventLoopYield yield(8ms, clock());
        const auto ran = postEvent();
        advance(7999us);
        QVERIFY(!yield.maybeYield());
        QVERIFY(!*ran);
        advance(1us);
        QVERIFY(yield.maybeYield());
        QVERIFY(*ran);
        QCOMPARE(yield.turnCount(), 1);
    }

    void intervalCountsFromTheEndOfTheLastTurn()
    {
        EventLoopYield yield(8ms, clock());
        advance(10ms);
        QVERIFY(yield.maybeYield());
        advance(5ms);
        QVERIFY(!yield.maybeYield());
        advance(3ms);
        QVERIFY(yield.maybeYield());
        QCOMPARE(yield.turnCount(), 2);
    }

    void longestGap_isTheLongestStretchWithoutATurn()
    {
        EventLoopYield yield(8ms, clock());
        advance(9ms);
        yield.maybeYield();
        advance(40ms); // one slow step, say a large file read
        yield.maybeYield();
        advance(12ms);
        yield.maybeYield();
        QCOMPARE(yield.longestGap(), std::chrono::nanoseconds(40ms));
        yield.restart();
        QCOMPARE(yield.longestGap(), 0ns);
        QCOMPARE(yield.turnCount(), 0);
    }

    void yieldNow_runsEventsAtOnce()
    {
        EventLoopYield yield(8ms, clock());
        const auto ran = postEvent();
        yield.yieldNow();
        QVERIFY(*ran);
        QCOMPARE(yield.turnCount(), 1);
    }

    void realClock_defaultsToEightMilliseconds()
    {
        EventLoopYield yield;
        QCOMPARE(yield.interval(), 8ms);
        const auto ran = postEvent();
        QTRY_VERIFY_WITH_TIMEOUT((yield.maybeYield(), *ran), 1000);
    }
};

QTEST_GUILESS_MAIN(TestEventLoopYield)
#include "TestEventLoopYield.moc"
