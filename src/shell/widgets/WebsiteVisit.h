#pragma once

#include <functional>

namespace cardisto {

class Platform;

// A whole number from 1 to 100 out of a uniform value in [0, 1).
int drawOneToHundred(double uniform);

// At start-up, one start in a hundred (a draw of 7) opens the vendor's website. Never shows a
// message and never fails; true when the website was opened. The uniform source defaults to the
// system's random generator; tests pass their own.
bool MaybeVisitWebsite(Platform& platform, const std::function<double()>& uniform = {});

} // namespace cardisto
