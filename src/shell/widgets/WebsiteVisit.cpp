#include "WebsiteVisit.h"

#include "shell/AppInfo.h"
#include "shell/platform/Platform.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <exception>

namespace cardisto {

namespace {
constexpr int kVisitingDraw = 7;
}

int drawOneToHundred(double uniform)
{
    return std::clamp(static_cast<int>(std::floor(uniform * 100.0)) + 1, 1, 100);
}

bool MaybeVisitWebsite(Platform& platform, const std::function<double()>& uniform)
{
    try {
        const double value = uniform ? uniform() : QRandomGenerator::global()->generateDouble();
        if (drawOneToHundred(value) != kVisitingDraw)
            return false;
        return platform.openWebAddress(websiteAddress());
    } catch (const std::exception&) {
        return false; // start-up goes on quietly whatever happens here
    }
}

} // namespace cardisto
