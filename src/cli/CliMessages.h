// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ErrorReport.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

namespace cardisto {

// Writes one report line to standard error: "cardisto-cli: CONTEXT: DESCRIPTION".
void writeCliMessage(QIODevice& err, const QString& context, const QString& description);

// Why a folder cannot be listed, as the system says it ("Permission denied").
QString unlistableFolderReason(const QString& folder);

// The batch front end's error channel: each failure of a guarded procedure is one line, the
// procedure and statement as context ("Extract1.ReadVCFAllFields at line 100"), and folders a
// scan cannot list are reported by path. Paths in descriptions are shown as the user named them.
class CliErrorReporter final : public ErrorReporter {
public:
    explicit CliErrorReporter(QIODevice& err) : m_err(err) {}

    void reportApplicationError(const ErrorLocation& location, int line, const QString& description) override;
    void noteUnlistableFolder(const QString& folder) override;

    // Failures of this statement are counted but not written: the front end has already told them
    // in its own words.
    void countOnly(const ErrorLocation& location, int line) { m_countOnly.append({location, line}); }
    // Every report from now on under this context instead of the procedure ("write error").
    void setContext(const QString& context) { m_context = context; }
    // Turns a path the run reads into the name shown.
    void setShownText(std::function<QString(const QString&)> shown) { m_shown = std::move(shown); }

    int reportCount() const { return m_reports; }

private:
    QString shown(const QString& text) const { return m_shown ? m_shown(text) : text; }

    QIODevice& m_err;
    QList<QPair<ErrorLocation, int>> m_countOnly;
    std::function<QString(const QString&)> m_shown;
    QString m_context;
    int m_reports = 0;
};

} // namespace cardisto
