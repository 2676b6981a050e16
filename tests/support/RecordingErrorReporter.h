// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ErrorReport.h"

#include <QList>
#include <QStringList>

namespace cardisto::test {

// Keeps every reported failure so that a test can check location, statement and description.
class RecordingErrorReporter final : public ErrorReporter {
public:
    struct Report {
        QString location;
        int line;
        QString description;
    };

    void reportApplicationError(const ErrorLocation& location, int line, const QString& description) override
    {
        reports.append({location.text(), line, description});
    }
    void noteUnlistableFolder(const QString& folder) override { unlistableFolders.append(folder); }

    QList<Report> reports;
    QStringList unlistableFolders;
};

} // namespace cardisto::test
