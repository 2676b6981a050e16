// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace cardisto {

class Platform;
class SettingsStore;

// A whole number from 1 to 100 out of a uniform value in [0, 1).
int drawOneToHundred(double uniform);

// The website the build names for the start-up visit (CMake option CARDISTO_WEBSITE); empty, and so
// no visit, unless the build asks for one.
QString builtInWebsite();

// The website the start-up visit may open: the build's, unless the user switched the visit off.
// Only "Visit Website" reading true (the default) allows it; "False", or any text that is no truth
// value, keeps the program off the network.
QString websiteToVisit(const QString& builtWebsite, const SettingsStore& settings);

// At start-up, one start in a hundred (a draw of 7) opens the website, when there is one. Never
// shows a message and never fails; true when the website was opened. The uniform source defaults to
// the system's random generator; tests pass their own.
bool MaybeVisitWebsite(Platform& platform, const QString& website, const std::function<double()>& uniform = {});

} // namespace cardisto
