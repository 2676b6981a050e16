// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AddRule.h"
#include "shell/ErrorReport.h"

#include <optional>

namespace cardisto {

// The two extraction options as a window's run reads them at every offer, without asking the
// check boxes every time. The options change only while the window's events run (a click, a key),
// so they are read from the window once and again after each time the run let events run: a yield,
// a message box, an error box. The offers see exactly what reading the boxes every time would give.
class OptionsBetweenTurns {
public:
    OptionsBetweenTurns() = default;
    OptionsBetweenTurns(const OptionsBetweenTurns&) = delete;
    OptionsBetweenTurns& operator=(const OptionsBetweenTurns&) = delete;

    template <typename ReadFromWindow>
    ExtractionOptions read(ReadFromWindow&& readFromWindow) const
    {
        if (!m_options)
            m_options = readFromWindow();
        return *m_options;
    }
    // Events have run, or may have: the next offer reads the window again.
    void forget() const { m_options.reset(); }
    // The window's error reporter, wrapped so that an error box (a turn of events) counts too.
    ErrorReporter& reporter(ErrorReporter& window)
    {
        m_reporter.window = &window;
        return m_reporter;
    }

private:
    struct ForgettingReporter final : ErrorReporter {
        explicit ForgettingReporter(const OptionsBetweenTurns& owner) : owner(owner) {}
        void reportApplicationError(const ErrorLocation& location, int line, const QString& description) override
        {
            window->reportApplicationError(location, line, description);
            owner.forget();
        }
        void noteUnlistableFolder(const QString& folder) override { window->noteUnlistableFolder(folder); }
        void reportRefusedFile(const ErrorLocation& location, int line, const QString& description,
                               const QString& path) override
        {
            window->reportRefusedFile(location, line, description, path);
            owner.forget();
        }
        const OptionsBetweenTurns& owner;
        ErrorReporter* window = nullptr;
    };

    mutable std::optional<ExtractionOptions> m_options;
    ForgettingReporter m_reporter{*this};
};

// The yield before each line, with fewer looks at the clock: reading it costs about as much as
// offering a short line. After a look that found no yield due, the next kLinesWithoutLook lines
// do not look (they take microseconds); a window that yields at every call (no interval) is asked
// at every line.
class LineYieldPacing {
public:
    static constexpr int kLinesWithoutLook = 15;
    // True when the line should yield; isDue() reads the window's clock.
    template <typename IsDue>
    bool yieldNow(IsDue&& isDue)
    {
        if (m_linesWithoutLook > 0) {
            --m_linesWithoutLook;
            return false;
        }
        if (isDue())
            return true;
        m_linesWithoutLook = kLinesWithoutLook;
        return false;
    }

private:
    int m_linesWithoutLook = 0;
};

} // namespace cardisto
