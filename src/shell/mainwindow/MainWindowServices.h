// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/EventLoopYield.h"
#include "shell/ProgramFolder.h"

#include <chrono>
#include <functional>

namespace cardisto {

class Platform;

// Between two turns of the event loop a command runs this long. Each turn costs the results view
// about 2 ms once it holds a million rows; at 16 ms the turns add a tenth to a quarter to a run of a
// million lines, and no event waits much longer than 30 ms (bench/MainWindowBench).
inline constexpr std::chrono::milliseconds kMainWindowYieldInterval{16};
// How often the rows a run finds reach the results list's view.
inline constexpr std::chrono::milliseconds kResultsShownInterval{100};
class SettingsStore;

// What the main window is handed at construction. The program passes the real boxes and dialogs,
// the user's settings and the folder of the executable; tests pass a fake platform, a settings file
// of their own, a temporary program folder and a yield interval of zero.
struct MainWindowServices {
    Platform& platform;
    SettingsStore& settings;
    ProgramFolder programFolder;
    // Uniform values in [0, 1) for the start-up website visit; empty for the system's generator.
    std::function<double()> uniformRandom = {};
    // How long a command runs between two turns of the event loop.
    std::chrono::milliseconds yieldInterval = kMainWindowYieldInterval;
    // The website of the start-up visit; empty for none (the program passes websiteToVisit()).
    QString website = {};
};

} // namespace cardisto
