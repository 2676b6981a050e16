// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QFile;
class QIODevice;
class QSaveFile;

namespace cardisto {

// Writes a file at a path, new or in place of an existing one, the safe way where it can:
// - normally the text goes to a temporary file beside the target, which replaces the target only
//   once it is complete, so a failure leaves the old file as it was;
// - where no temporary file can be made there (a folder the user may not write to, but a file they
//   may), and where replacing would lose something (a file with further hard links, or one owned by
//   someone else that the user cannot give back), the existing file is written over directly.
// A replaced file keeps its owner, group and permissions; a new one gets those the user's umask
// gives.
class FileReplacement {
public:
    explicit FileReplacement(QString path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The device to write to; throws ProcedureFailure when the file cannot be written.
    QIODevice& open();
    // Puts the written text in place; throws ProcedureFailure when that fails.
    void commit();

    // True when open() chose to write over the existing file directly.
    bool writesDirectly() const { return m_direct != nullptr; }

private:
    struct Original;

    QString m_path;
    std::unique_ptr<Original> m_original;
    std::unique_ptr<QSaveFile> m_save;
    std::unique_ptr<QFile> m_direct;
};

} // namespace cardisto
