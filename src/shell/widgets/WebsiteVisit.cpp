// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebsiteVisit.h"

#include "shell/SettingsStore.h"
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

QString builtInWebsite()
{
    return QStringLiteral(CARDISTO_WEBSITE);
}

QString websiteToVisit(const QString& builtWebsite, const SettingsStore& settings)
{
    try {
        return settingToBoolean(settings.read(SettingKey::VisitWebsite)) ? builtWebsite : QString();
    } catch (const std::exception&) {
        return {};
    }
}

bool MaybeVisitWebsite(Platform& platform, const QString& website, const std::function<double()>& uniform)
{
    if (website.isEmpty())
        return false;
    try {
        const double value = uniform ? uniform() : QRandomGenerator::global()->generateDouble();
        if (drawOneToHundred(value) != kVisitingDraw)
            return false;
        return platform.openWebAddress(website);
    } catch (const std::exception&) {
        return false; // start-up goes on quietly whatever happens here
    }
}

} // namespace cardisto
