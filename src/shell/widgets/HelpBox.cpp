// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpBox.h"

#include "AboutBox.h"
#include "shell/AppInfo.h"
#include "shell/platform/Platform.h"

namespace cardisto {

QString helpBoxText()
{
    return QStringLiteral("Questions? Please contact Team Corvane at ") + contactPageAddress();
}

void showHelpBox(Platform& platform)
{
    if (platform.showMessageOffering(helpBoxText(), aboutBoxCaption()))
        showAboutBox(platform);
}

} // namespace cardisto
