// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliExtractArguments.h"

#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace cardisto {

class CliErrorReporter;

// The inputs of one command as the run reads them. Each missing or unreadable input is reported
// as "cardisto-cli: PATH: reason" and left out; the others are read. Standard input ("-") is kept in
// a temporary file, and a name that does not decode is reached through a link there; the run reads
// those under their temporary paths, shownName() gives the names the user gave.
class CliInputs {
public:
    // `in` is standard input; null for the process's own.
    CliInputs(QIODevice& err, CliErrorReporter& reporter, QIODevice* in = nullptr);
    ~CliInputs();

    // Every input row in command-line order: files as given, the vCard files of folders, the rows
    // of list files.
    QStringList collect(const QList<CliInputSource>& sources);
    // The path to read for one file input (no folder scan); no value when it is missing or unreadable.
    std::optional<QString> fileToRead(const CliInputSource& source);

    // The entry as the user named it ("-" for standard input).
    QString shownName(const QString& entry) const;
    // A message with every temporary path in it replaced by the name it stands for.
    QString shownText(QString text) const;

    bool anyMissing() const { return m_missing > 0; }
    bool anyReported() const { return m_reported > 0; }

private:
    std::optional<QString> standardInputPath();
    std::optional<QString> undecodedNamePath(const QByteArray& name);
    bool readable(const QString& path, const QString& shown);
    void report(const QString& shown, const QString& reason);

    QIODevice& m_err;
    CliErrorReporter& m_reporter;
    QIODevice* m_in;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_dirPath;               // empty while there is no temporary folder
    QHash<QString, QString> m_shown; // temporary path -> name shown
    std::optional<QString> m_standardInput;
    int m_missing = 0;
    int m_reported = 0;
};

} // namespace cardisto
