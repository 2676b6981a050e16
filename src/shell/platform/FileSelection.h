// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace cardisto {

// The open dialog's answer buffer held this many characters; a selection whose names, joined by
// NUL characters, do not fit is refused with tooManyFilesMessage().
inline constexpr qsizetype kSelectionBufferCharacters = 30000;

// "You've selected too many files to add." CR CR "Please try adding via the "Add All" button."
QString tooManyFilesMessage();

// The open dialog of the commands that add files or items from files.
QString addFilesDialogTitle();  // "Add File(s) - Hold Ctrl to select multiple files"
QString allFilesDialogFilter(); // "All Files (*.*)|*.*|"

// Shown for a chosen list or item file that is not there when it is read: "File not found".
QString fileNotFoundMessage();

// What the open dialog hands back, in the form the add commands work with: nothing (cancelled),
// one full path, or a folder followed by the names chosen in it.
class FileSelection {
public:
    enum class Status { Cancelled, Chosen, TooManyFiles };

    FileSelection() = default;
    static FileSelection cancelled() { return {}; }
    static FileSelection tooManyFiles();
    // One full path, or a folder followed by names; no parts means cancelled. Parts that do not fit
    // the answer buffer make a "too many files" selection.
    static FileSelection fromParts(QStringList parts);
    // From the full paths a dialog returned, in its order: one path stays as it is; several become
    // their common folder followed by the names below it.
    static FileSelection fromChosenPaths(const QStringList& paths);

    Status status() const { return m_status; }
    bool isCancelled() const { return m_status == Status::Cancelled; }
    bool isTooManyFiles() const { return m_status == Status::TooManyFiles; }
    const QStringList& parts() const { return m_parts; }

    // The full paths in order: a single part unchanged; otherwise the folder joined with each name,
    // doubled separators collapsed (so a drive or file-system root gives one separator).
    QStringList paths() const;

    bool operator==(const FileSelection&) const = default;

private:
    Status m_status = Status::Cancelled;
    QStringList m_parts;
};

} // namespace cardisto
