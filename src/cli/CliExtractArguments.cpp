// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliExtractArguments.h"

#include "CliFieldOption.h"
#include "CliHelp.h"

#include <QCommandLineParser>
#include <QFile>
#include <algorithm>

namespace cardisto {

namespace {

CliExtractParse usageError(const QString& text)
{
    return {std::nullopt, text};
}

struct InputPlace {
    CliInputSource::Kind kind;
    qsizetype index;       // of the argument holding the path
    qsizetype valueOffset; // where the path starts in it ("--list-file=F")
};

// The parser keeps positional arguments and option values apart; the order of INPUTs and
// --list-file entries, which the run keeps, is read from the arguments again.
QList<InputPlace> inputPlaces(const QStringList& arguments, const CliCommandHelp& help)
{
    QList<InputPlace> places;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || argument == u"-" || !argument.startsWith(u'-')) {
            places.append({CliInputSource::Kind::Input, i, 0});
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        if (!argument.startsWith(u"--"))
            continue; // -h: no short option takes a value
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const CliOptionEntry* entry = findOption(help, name);
        if (!entry || entry->valueName.isEmpty())
            continue;
        const qsizetype valueIndex = equals < 0 ? ++i : i;
        if (name == u"list-file")
            places.append({CliInputSource::Kind::ListFile, valueIndex, equals < 0 ? 0 : equals + 1});
    }
    return places;
}

std::optional<CliExtraction> extractionNamed(const QString& name)
{
    if (name == u"all-lines")
        return CliExtraction::AllLines;
    if (name == u"containing")
        return CliExtraction::Containing;
    if (name == u"not-containing")
        return CliExtraction::NotContaining;
    if (name == u"line-numbers")
        return CliExtraction::LineNumbers;
    if (name == u"between")
        return CliExtraction::Between;
    if (name == u"text-set")
        return CliExtraction::TextSets;
    return std::nullopt;
}

} // namespace

QByteArray undecodedBytes(const QStringList& arguments, const QList<QByteArray>& rawArguments, qsizetype index,
                          qsizetype valueOffset)
{
    if (index < 0 || index >= rawArguments.size() || index >= arguments.size())
        return {};
    const QByteArray& raw = rawArguments.at(index);
    if (QFile::encodeName(arguments.at(index)) == raw)
        return {};
    // The option name before the value is plain ASCII: as many bytes as characters.
    return raw.mid(valueOffset);
}

std::optional<QList<CliInputSource>> inputSourcesOf(const QCommandLineParser& parser, const CliCommandHelp& help,
                                                    const QStringList& arguments, const QList<QByteArray>& rawArguments,
                                                    QString& error)
{
    QList<CliInputSource> inputs;
    const QStringList positional = parser.positionalArguments();
    const QStringList listFiles = parser.values(QStringLiteral("list-file"));
    const QList<InputPlace> places = inputPlaces(arguments, help);
    qsizetype nextInput = 0;
    qsizetype nextList = 0;
    for (const InputPlace& place : places) {
        const bool input = place.kind == CliInputSource::Kind::Input;
        const QStringList& values = input ? positional : listFiles;
        qsizetype& next = input ? nextInput : nextList;
        if (next >= values.size())
            continue;
        const QString& path = values.at(next++);
        inputs.append({place.kind, path, undecodedBytes(arguments, rawArguments, place.index, place.valueOffset)});
    }
    // Should the arguments have been read differently: whatever is left, inputs first.
    for (; nextInput < positional.size(); ++nextInput)
        inputs.append({CliInputSource::Kind::Input, positional.at(nextInput)});
    for (; nextList < listFiles.size(); ++nextList)
        inputs.append({CliInputSource::Kind::ListFile, listFiles.at(nextList)});

    if (std::count_if(inputs.cbegin(), inputs.cend(),
                      [](const CliInputSource& source) { return source.path == u"-"; }) > 1) {
        error = QStringLiteral("Standard input (\"-\") can be read only once.");
        return std::nullopt;
    }
    return inputs;
}

CliExtractParse parseExtractArguments(const QStringList& arguments, const QList<QByteArray>& rawArguments)
{
    QCommandLineParser parser;
    parser.addOptions(parserOptions(extractHelp()));
    // The first element is taken as the program's name.
    if (!parser.parse(QStringList{QStringLiteral("extract")} + arguments))
        return usageError(parser.errorText());
    CliExtractRequest request;
    if (parser.isSet(QStringLiteral("help"))) {
        request.help = true;
        return {request, {}};
    }

    QList<CliExtraction> chosen;
    for (const QString& name : parser.optionNames()) {
        const auto extraction = extractionNamed(name);
        if (extraction && !(extraction == CliExtraction::TextSets && chosen.contains(*extraction)))
            chosen.append(*extraction);
    }
    if (chosen.isEmpty())
        return usageError(QStringLiteral("Choose what to extract: --all-lines, --containing, --not-containing, "
                                         "--line-numbers, --between or --text-set."));
    if (chosen.size() > 1)
        return usageError(QStringLiteral("Choose only one of --all-lines, --containing, --not-containing, "
                                         "--line-numbers, --between and --text-set."));
    request.extraction = chosen.constFirst();

    if (parser.isSet(QStringLiteral("fields"))) {
        const QString fields = parser.value(QStringLiteral("fields"));
        const auto choice = parseFieldsOption(fields);
        if (!choice)
            return usageError(unknownFieldListMessage(fields));
        request.choice = *choice;
    }
    request.choice.decodeLines = parser.isSet(QStringLiteral("decode"));
    request.removeDuplicates = parser.isSet(QStringLiteral("dedupe"));
    request.quiet = parser.isSet(QStringLiteral("quiet"));
    request.showSource = parser.isSet(QStringLiteral("source"));

    switch (request.extraction) {
    case CliExtraction::Containing:
        request.text = parser.value(QStringLiteral("containing"));
        break;
    case CliExtraction::NotContaining:
        request.text = parser.value(QStringLiteral("not-containing"));
        break;
    case CliExtraction::LineNumbers:
        request.text = parser.value(QStringLiteral("line-numbers"));
        break;
    case CliExtraction::TextSets:
        request.textSetItems = parser.values(QStringLiteral("text-set"));
        break;
    case CliExtraction::AllLines:
    case CliExtraction::Between:
        break;
    }
    const bool markerGiven = parser.isSet(QStringLiteral("start")) || parser.isSet(QStringLiteral("end"));
    if (markerGiven && request.extraction != CliExtraction::Between)
        return usageError(QStringLiteral("--start and --end belong to --between."));
    request.startMarker = parser.value(QStringLiteral("start"));
    request.endMarker = parser.value(QStringLiteral("end"));

    if (parser.isSet(QStringLiteral("out"))) {
        request.outFile = parser.value(QStringLiteral("out"));
        const QString lowered = request.outFile.toLower();
        if (!lowered.endsWith(u".txt") && !lowered.endsWith(u".xlsx"))
            return usageError(QStringLiteral("--out needs a file name ending in .txt (aligned text file) or .xlsx "
                                             "(workbook): %1")
                                  .arg(request.outFile));
    }

    QString error;
    const std::optional<QList<CliInputSource>> inputs =
        inputSourcesOf(parser, extractHelp(), arguments, rawArguments, error);
    if (!inputs)
        return usageError(error);
    request.inputs = *inputs;
    return {request, {}};
}

} // namespace cardisto
