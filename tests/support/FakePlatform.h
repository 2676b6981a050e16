// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

namespace cardisto::test {

// A Platform for tests: every box, dialog, clipboard and desktop call is recorded, and the answers
// come from queues the test fills beforehand. When a queue is empty the user is taken to have
// cancelled: No, empty text, no files, no folder.
//
//     FakePlatform platform;
//     platform.answerYes();
//     platform.enterText("VCF");
//     platform.chooseFiles({"/in/a.vcf", "/in/b.vcf"});
//     ... run the command ...
//     QCOMPARE(platform.messages(), QStringList{"No files added."});
class FakePlatform final : public Platform {
public:
    enum class BoxKind { Message, Question, Error, Input };
    struct Box {
        BoxKind kind;
        QString text; // the prompt of an input box
        QString caption;
        QString defaultText; // input boxes only
    };

    enum class DialogKind { OpenFiles, Save, Folder };
    struct Dialog {
        DialogKind kind;
        QString title;
        QString filter;      // as the caller gave it, in the "|" form
        QString startFolder; // folder browser only
    };

    enum class OpenKind { WebAddress, Folder, Document, Spreadsheet };
    struct Opened {
        OpenKind kind;
        QString target;
    };

    // --- Scripted answers, used in order ---
    void answerYes() { m_answers.enqueue(true); }
    void answerNo() { m_answers.enqueue(false); }
    // The next box that offers a button of its own is left with that button.
    void pressOfferedButton() { m_offeredButtonPresses.enqueue(true); }
    void enterText(const QString& text) { m_inputs.enqueue(text); }
    void cancelInput() { m_inputs.enqueue(QString()); }
    // Full paths as a dialog returns them; several become a folder followed by names.
    void chooseFiles(const QStringList& paths) { m_selections.enqueue(FileSelection::fromChosenPaths(paths)); }
    // Exactly the parts the algorithm receives: one full path, or a folder followed by names.
    void chooseParts(const QStringList& parts) { m_selections.enqueue(FileSelection::fromParts(parts)); }
    void chooseTooManyFiles() { m_selections.enqueue(FileSelection::tooManyFiles()); }
    void cancelOpenDialog() { m_selections.enqueue(FileSelection::cancelled()); }
    void chooseSaveName(const QString& name) { m_saveNames.enqueue(name); }
    void chooseFolder(const QString& folder) { m_folders.enqueue(folder); }
    // The next n clipboard attempts (clear or set) fail.
    void failClipboardAttempts(int n) { m_clipboardFailures = n; }
    // The desktop refuses to open anything.
    void refuseToOpen(bool refuse = true) { m_refuseToOpen = refuse; }
    // Whether the desktop has a spreadsheet program (it has one unless told otherwise).
    void haveSpreadsheetApplication(bool present) { m_spreadsheetApplication = present; }
    // Runs while a box is "showing", after it was recorded, as events would run under a real box.
    std::function<void(const Box&)> whileBoxShows;

    // --- What happened ---
    QList<Box> boxes;
    QList<Dialog> dialogs;
    QList<Opened> opened;
    QStringList offeredButtons; // captions of the extra buttons of boxes that offered one
    QString clipboardText;
    int clipboardClears = 0;
    int clipboardAttempts = 0;
    int spreadsheetProbes = 0;

    // Texts of the boxes of one kind, in order.
    QStringList texts(BoxKind kind) const
    {
        QStringList result;
        for (const Box& box : boxes) {
            if (box.kind == kind)
                result.append(box.text);
        }
        return result;
    }
    QStringList messages() const { return texts(BoxKind::Message); }
    QStringList questions() const { return texts(BoxKind::Question); }
    QStringList errors() const { return texts(BoxKind::Error); }
    QStringList prompts() const { return texts(BoxKind::Input); }
    const Box& lastBox() const { return boxes.constLast(); }

    QStringList openedTargets(OpenKind kind) const
    {
        QStringList result;
        for (const Opened& entry : opened) {
            if (entry.kind == kind)
                result.append(entry.target);
        }
        return result;
    }
    QStringList openedWebAddresses() const { return openedTargets(OpenKind::WebAddress); }
    QStringList openedFolders() const { return openedTargets(OpenKind::Folder); }
    QStringList openedDocuments() const { return openedTargets(OpenKind::Document); }
    QStringList openedSpreadsheets() const { return openedTargets(OpenKind::Spreadsheet); }

    // True when every scripted answer was used.
    bool allAnswersUsed() const
    {
        return m_answers.isEmpty() && m_offeredButtonPresses.isEmpty() && m_inputs.isEmpty() && m_selections.isEmpty() && m_saveNames.isEmpty() &&
               m_folders.isEmpty();
    }

    // Forgets the answers no box or dialog asked for, so that they do not answer later ones.
    void dropUnusedAnswers()
    {
        m_answers.clear();
        m_offeredButtonPresses.clear();
        m_inputs.clear();
        m_selections.clear();
        m_saveNames.clear();
        m_folders.clear();
    }

protected:
    void doShowMessage(const QString& text, const QString& caption) override
    {
        record({BoxKind::Message, text, caption, {}});
    }
    bool doShowMessageOffering(const QString& text, const QString& buttonCaption, const QString& caption) override
    {
        offeredButtons.append(buttonCaption);
        record({BoxKind::Message, text, caption, {}});
        return !m_offeredButtonPresses.isEmpty() && m_offeredButtonPresses.dequeue();
    }
    bool doAskYesNo(const QString& text, const QString& caption) override
    {
        record({BoxKind::Question, text, caption, {}});
        return !m_answers.isEmpty() && m_answers.dequeue();
    }
    void doShowErrorBox(const QString& text, const QString& caption) override
    {
        record({BoxKind::Error, text, caption, {}});
    }
    QString doInputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        record({BoxKind::Input, prompt, title, defaultText});
        return m_inputs.isEmpty() ? QString() : m_inputs.dequeue();
    }
    FileSelection doChooseFilesToOpen(const QString& title, const QString& filter) override
    {
        dialogs.append({DialogKind::OpenFiles, title, filter, {}});
        return m_selections.isEmpty() ? FileSelection::cancelled() : m_selections.dequeue();
    }
    QString doChooseSaveFileName(const QString& title, const QString& filter) override
    {
        dialogs.append({DialogKind::Save, title, filter, {}});
        return m_saveNames.isEmpty() ? QString() : m_saveNames.dequeue();
    }
    QString doBrowseForFolder(const QString& title, const QString& startFolder) override
    {
        dialogs.append({DialogKind::Folder, title, {}, startFolder});
        return m_folders.isEmpty() ? QString() : m_folders.dequeue();
    }
    bool doClearClipboard() override
    {
        if (!clipboardAttempt())
            return false;
        clipboardText.clear();
        ++clipboardClears;
        return true;
    }
    bool doSetClipboardText(const QString& text) override
    {
        if (!clipboardAttempt())
            return false;
        clipboardText = text;
        return true;
    }
    bool doOpenWebAddress(const QString& address) override { return open(OpenKind::WebAddress, address); }
    bool doOpenFolder(const QString& path) override { return open(OpenKind::Folder, path); }
    bool doOpenDocument(const QString& path) override { return open(OpenKind::Document, path); }
    bool doHasSpreadsheetApplication() override
    {
        ++spreadsheetProbes;
        return m_spreadsheetApplication;
    }
    bool doOpenSpreadsheet(const QString& path) override
    {
        return m_spreadsheetApplication && open(OpenKind::Spreadsheet, path);
    }

private:
    void record(const Box& box)
    {
        boxes.append(box);
        if (whileBoxShows)
            whileBoxShows(box);
    }
    bool clipboardAttempt()
    {
        ++clipboardAttempts;
        if (m_clipboardFailures <= 0)
            return true;
        --m_clipboardFailures;
        return false;
    }
    bool open(OpenKind kind, const QString& target)
    {
        opened.append({kind, target});
        return !m_refuseToOpen;
    }

    QQueue<bool> m_answers;
    QQueue<bool> m_offeredButtonPresses;
    QQueue<QString> m_inputs;
    QQueue<FileSelection> m_selections;
    QQueue<QString> m_saveNames;
    QQueue<QString> m_folders;
    int m_clipboardFailures = 0;
    bool m_refuseToOpen = false;
    bool m_spreadsheetApplication = true;
};

} // namespace cardisto::test
