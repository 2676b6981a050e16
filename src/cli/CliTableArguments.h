// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliExtractArguments.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace cardisto {

// The forms "cardisto-cli table" writes the table in.
enum class TableFormat { Csv, Tsv, Xlsx, JsonLines };

// What "cardisto-cli table" was asked to do.
struct CliTableRequest {
    TableFormat format = TableFormat::Csv;
    QString outFile;
    bool showSource = false;
    bool byteOrderMark = false;
    bool removeDuplicates = false;
    QList<CliInputSource> inputs;
    bool help = false;
};

struct CliTableParse {
    std::optional<CliTableRequest> request;
    QString error;
};

// Parses the arguments after "table", as parseExtractArguments parses those of "extract". Without
// --format, the extension of --out chooses the form (.csv, .tsv, .xlsx, .jsonl; CSV for any other),
// and without --out too, it is CSV.
CliTableParse parseTableArguments(const QStringList& arguments, const QList<QByteArray>& rawArguments = {});

} // namespace cardisto
