// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/platform/FileSelection.h"

#include <QString>

namespace cardisto {

// Everything that shows a modal box or dialog or touches the desktop: message and input boxes, file
// dialogs, the folder browser, the clipboard and opening things with the desktop's programs.
// Windows and commands are handed one at construction; the program passes a QtPlatform, tests a
// fake with scripted answers. The interface needs no widgets, so window-less commands can use it.
class Platform {
public:
    virtual ~Platform() = default;

    // Boxes. An empty caption or title stands for the application title.
    // A plain box with an OK button and no icon.
    void showMessage(const QString& text, const QString& caption = {});
    // Yes and No buttons, no icon; true when the answer is Yes.
    bool askYesNo(const QString& text, const QString& caption = {});
    // A plain box with an OK button and one more button of the given caption; true when that
    // button was pressed.
    bool showMessageOffering(const QString& text, const QString& buttonCaption, const QString& caption = {});
    // The error box: warning icon, caption "Application Error", OK only.
    void showErrorBox(const QString& text);
    // The entered text; the empty text when the user cancels.
    QString inputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {});

    // File dialogs. Filters are given as the program writes them: "VCF Files (*.vcf)|*.vcf|".
    // Several files may be chosen.
    FileSelection chooseFilesToOpen(const QString& title, const QString& filter);
    // The chosen name exactly as entered (no suffix added, no overwrite question); empty on cancel.
    QString chooseSaveFileName(const QString& title, const QString& filter);
    // The chosen folder; empty on cancel.
    QString browseForFolder(const QString& title, const QString& startFolder);

    // Clipboard, plain text; false when the clipboard could not be used.
    bool clearClipboard() { return doClearClipboard(); }
    bool setClipboardText(const QString& text) { return doSetClipboardText(text); }

    // Opening with the desktop's default program; false when nothing could be started.
    bool openWebAddress(const QString& address) { return doOpenWebAddress(address); }
    bool openFolder(const QString& path) { return doOpenFolder(path); }
    bool openDocument(const QString& path) { return doOpenDocument(path); }

    // The desktop's spreadsheet program: whether there is one to open workbooks with (a failing
    // probe counts as none), and opening a workbook with it (false when nothing could be started).
    bool hasSpreadsheetApplication() { return doHasSpreadsheetApplication(); }
    bool openSpreadsheet(const QString& path) { return doOpenSpreadsheet(path); }

protected:
    // Captions and titles arrive resolved: never empty.
    virtual void doShowMessage(const QString& text, const QString& caption) = 0;
    virtual bool doAskYesNo(const QString& text, const QString& caption) = 0;
    // Without a button of its own, the plain box; the offer is then never taken.
    virtual bool doShowMessageOffering(const QString& text, const QString& buttonCaption, const QString& caption)
    {
        Q_UNUSED(buttonCaption);
        doShowMessage(text, caption);
        return false;
    }
    virtual void doShowErrorBox(const QString& text, const QString& caption) = 0;
    virtual QString doInputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    virtual FileSelection doChooseFilesToOpen(const QString& title, const QString& filter) = 0;
    virtual QString doChooseSaveFileName(const QString& title, const QString& filter) = 0;
    virtual QString doBrowseForFolder(const QString& title, const QString& startFolder) = 0;
    virtual bool doClearClipboard() = 0;
    virtual bool doSetClipboardText(const QString& text) = 0;
    virtual bool doOpenWebAddress(const QString& address) = 0;
    virtual bool doOpenFolder(const QString& path) = 0;
    virtual bool doOpenDocument(const QString& path) = 0;
    // A platform that knows no spreadsheet program offers none; opening falls back to the
    // desktop's default program.
    virtual bool doHasSpreadsheetApplication() { return false; }
    virtual bool doOpenSpreadsheet(const QString& path) { return doOpenDocument(path); }
};

// The caption of boxes that name none of their own.
QString captionOrTitle(const QString& caption);

} // namespace cardisto
