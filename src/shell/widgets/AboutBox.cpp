// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include "shell/AppInfo.h"
#include "shell/platform/Platform.h"

#include <QtGlobal>

namespace cardisto {

QString aboutBoxCaption()
{
    return QStringLiteral("About ") + applicationTitle();
}

QString aboutBoxText()
{
    // Lines break with a lone carriage return, as in every box of the program.
    return applicationTitle() + QStringLiteral(" ") + QStringLiteral(CARDISTO_VERSION) +
           QStringLiteral("\rPulls contact data out of vCard files.\r\rLicence: GPL-3.0-or-later\rQt ") +
           QString::fromLatin1(qVersion()) + QStringLiteral("\r\r") + websiteAddress();
}

void showAboutBox(Platform& platform)
{
    platform.showMessage(aboutBoxText(), aboutBoxCaption());
}

} // namespace cardisto
