#pragma once

#include "shell/EventLoopYield.h"
#include "shell/ProgramFolder.h"

#include <chrono>
#include <functional>

namespace cardisto {

class Platform;
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
    std::chrono::milliseconds yieldInterval = kDefaultYieldInterval;
};

} // namespace cardisto
