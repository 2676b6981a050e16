// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTableArguments.h"

#include "CliHelp.h"

#include <QCommandLineParser>

namespace cardisto {

namespace {

CliTableParse usageError(const QString& text)
{
    return {std::nullopt, text};
}

std::optional<TableFormat> formatNamed(const QString& name)
{
    const QString lowered = name.toLower();
    if (lowered == u"csv")
        return TableFormat::Csv;
    if (lowered == u"tsv")
        return TableFormat::Tsv;
    if (lowered == u"xlsx")
        return TableFormat::Xlsx;
    if (lowered == u"jsonl")
        return TableFormat::JsonLines;
    return std::nullopt;
}

TableFormat formatOfFile(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const std::optional<TableFormat> format = dot < 0 ? std::nullopt : formatNamed(path.mid(dot + 1));
    return format.value_or(TableFormat::Csv);
}

} // namespace

CliTableParse parseTableArguments(const QStringList& arguments, const QList<QByteArray>& rawArguments)
{
    QCommandLineParser parser;
    parser.addOptions(parserOptions(tableHelp()));
    if (!parser.parse(QStringList{QStringLiteral("table")} + arguments))
        return usageError(parser.errorText());
    CliTableRequest request;
    if (parser.isSet(QStringLiteral("help"))) {
        request.help = true;
        return {request, {}};
    }
    request.outFile = parser.value(QStringLiteral("out"));
    if (parser.isSet(QStringLiteral("format"))) {
        const QString name = parser.value(QStringLiteral("format"));
        const std::optional<TableFormat> format = formatNamed(name);
        if (!format)
            return usageError(QStringLiteral("Unknown table format: %1 (csv, tsv, xlsx or jsonl)").arg(name));
        request.format = *format;
    } else if (!request.outFile.isEmpty()) {
        request.format = formatOfFile(request.outFile);
    }
    if (request.format == TableFormat::Xlsx && request.outFile.isEmpty())
        return usageError(QStringLiteral("A workbook is written to a file: give --out FILE.xlsx."));
    request.showSource = parser.isSet(QStringLiteral("source"));
    request.byteOrderMark = parser.isSet(QStringLiteral("bom"));
    if (request.byteOrderMark && request.format != TableFormat::Csv && request.format != TableFormat::Tsv)
        return usageError(QStringLiteral("--bom belongs to CSV and TSV."));
    request.removeDuplicates = parser.isSet(QStringLiteral("dedupe"));

    QString error;
    const std::optional<QList<CliInputSource>> inputs =
        inputSourcesOf(parser, tableHelp(), arguments, rawArguments, error);
    if (!inputs)
        return usageError(error);
    request.inputs = *inputs;
    return {request, {}};
}

} // namespace cardisto
