// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/platform/Platform.h"

namespace cardisto {

// The real boxes, dialogs, clipboard and desktop of a Qt Widgets program. Boxes and dialogs are
// owned by the active window, so they open over the window whose button was pressed.
class QtPlatform final : public Platform {
protected:
    void doShowMessage(const QString& text, const QString& caption) override;
    bool doAskYesNo(const QString& text, const QString& caption) override;
    bool doShowMessageOffering(const QString& text, const QString& buttonCaption, const QString& caption) override;
    void doShowErrorBox(const QString& text, const QString& caption) override;
    QString doInputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    FileSelection doChooseFilesToOpen(const QString& title, const QString& filter) override;
    QString doChooseSaveFileName(const QString& title, const QString& filter) override;
    QString doBrowseForFolder(const QString& title, const QString& startFolder) override;
    bool doClearClipboard() override;
    bool doSetClipboardText(const QString& text) override;
    bool doOpenWebAddress(const QString& address) override;
    bool doOpenFolder(const QString& path) override;
    bool doOpenDocument(const QString& path) override;
    bool doHasSpreadsheetApplication() override;
    bool doOpenSpreadsheet(const QString& path) override;

private:
    // The file dialogs start where the last one was confirmed, as the desktop's own dialogs do.
    QString m_lastFileFolder;
};

} // namespace cardisto
