// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace cardisto {

// Where the program finds its own files: the pointer files, the skin and the sample files. The
// folder it runs from comes first, so a portable copy keeps working; an installed copy finds them
// in its data folders after that. Windows and commands are handed one, so tests can point them at a
// folder of their own.
class ProgramFolder {
public:
    // The folder of the running executable, then the installed data folders (installedDataFolders()).
    ProgramFolder();
    // This folder, then the given data folders, in order.
    explicit ProgramFolder(QString path, QStringList dataFolders = {});

    const QString& path() const { return m_path; }
    // The program folder and the data folders, in the order they are looked in.
    QStringList folders() const;
    // The relative name ("x/skin.qss" included) in the first folder that holds it, in native
    // separators; in the program folder when none does.
    QString filePath(const QString& relativeName) const;

private:
    QString m_path;
    QStringList m_dataFolders;
};

// The data folders of an installed copy: the user's and the system's data folders of the
// application (QStandardPaths::AppDataLocation, the user's own first), then share/cardisto of the
// install prefix, found relative to the executable.
QStringList installedDataFolders();

} // namespace cardisto
