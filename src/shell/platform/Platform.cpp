// SPDX-License-Identifier: GPL-3.0-or-later
#include "Platform.h"

#include "shell/AppInfo.h"
#include "shell/ErrorReport.h"

namespace cardisto {

QString captionOrTitle(const QString& caption)
{
    return caption.isEmpty() ? applicationTitle() : caption;
}

void Platform::showMessage(const QString& text, const QString& caption)
{
    doShowMessage(text, captionOrTitle(caption));
}

bool Platform::showMessageOffering(const QString& text, const QString& buttonCaption, const QString& caption)
{
    return doShowMessageOffering(text, buttonCaption, captionOrTitle(caption));
}

bool Platform::askYesNo(const QString& text, const QString& caption)
{
    return doAskYesNo(text, captionOrTitle(caption));
}

void Platform::showErrorBox(const QString& text)
{
    doShowErrorBox(text, errorBoxCaption());
}

QString Platform::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return doInputBox(prompt, captionOrTitle(title), defaultText);
}

FileSelection Platform::chooseFilesToOpen(const QString& title, const QString& filter)
{
    return doChooseFilesToOpen(captionOrTitle(title), filter);
}

QString Platform::chooseSaveFileName(const QString& title, const QString& filter)
{
    return doChooseSaveFileName(captionOrTitle(title), filter);
}

QString Platform::browseForFolder(const QString& title, const QString& startFolder)
{
    return doBrowseForFolder(captionOrTitle(title), startFolder);
}

} // namespace cardisto
