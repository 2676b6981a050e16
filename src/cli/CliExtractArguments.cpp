#include "CliExtractArguments.h"

#include "CliFieldOption.h"

namespace cardisto {

namespace {

CliExtractParse usageError(const QString& text)
{
    return {std::nullopt, text};
}

bool takesValue(const QString& name)
{
    static const QStringList withValue = {"fields",       "out",   "list-file", "containing", "not-containing",
                                          "line-numbers", "start", "end",       "text-set"};
    return withValue.contains(name);
}

} // namespace

QString extractUsageText()
{
    return QStringLiteral(
        "Usage: cardisto-cli extract [--fields all|none|LIST] [--dedupe] [--source] [--out FILE] [--list-file F]...\n"
        "           (--all-lines | --containing TEXT | --not-containing TEXT | --line-numbers LIST\n"
        "            | --between --start X --end Y | --text-set ITEM [--text-set ITEM]...)  INPUT...\n"
        "\n"
        "Runs one extraction command over the input files and writes one result per line.\n"
        "\n"
        "  --fields all|none|LIST  the fields to convert: all (the default), none, or a comma list of\n"
        "                          emails, phones, names, addresses\n"
        "  --dedupe                Remove duplicate results\n"
        "  --source                Show source filename next to extracted text (input entry, TAB, result)\n"
        "  --out FILE              write FILE.txt (aligned text file) or FILE.xlsx (workbook) instead\n"
        "  --list-file F           add the paths listed in F, one per line\n"
        "  --all-lines             every line of every file\n"
        "  --containing TEXT       the lines containing TEXT (letter case ignored)\n"
        "  --not-containing TEXT   the lines not containing TEXT (letter case ignored)\n"
        "  --line-numbers LIST     the lines at the positions of a comma list, such as 1,3,4\n"
        "  --between --start X --end Y\n"
        "                          every stretch from X (letter case ignored) up to the next Y\n"
        "  --text-set ITEM         the lines containing any of the items, once per item found\n"
        "\n"
        "An INPUT is a vCard file, listed exactly as given, or a folder: its *.vcf files (any letter case)\n"
        "and those of all its sub-folders are added as \"Add All VCF Files In Folder\" adds them, level by\n"
        "level, each folder's files in name order, names beginning with ~ skipped.\n");
}

CliExtractParse parseExtractArguments(const QStringList& arguments)
{
    CliExtractRequest request;
    QList<CliExtraction> chosen;
    bool between = false;
    bool markerGiven = false;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(u'-') || argument == u"-") {
            request.inputs.append({CliInputSource::Kind::Input, argument});
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        if (argument == u"-h" || argument == u"--help") {
            request.help = true;
            continue;
        }
        if (!argument.startsWith(u"--"))
            return usageError(QStringLiteral("Unknown option: %1").arg(argument));
        QString name = argument.mid(2);
        QString value;
        bool hasValue = false;
        if (const qsizetype equals = name.indexOf(u'='); equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
            hasValue = true;
        }
        if (takesValue(name)) {
            if (!hasValue) {
                if (i + 1 >= arguments.size())
                    return usageError(QStringLiteral("Missing value for --%1").arg(name));
                value = arguments.at(++i);
            }
        } else if (hasValue) {
            return usageError(QStringLiteral("--%1 takes no value").arg(name));
        }

        if (name == u"fields") {
            const auto choice = parseFieldsOption(value);
            if (!choice)
                return usageError(unknownFieldListMessage(value));
            request.choice = *choice;
        } else if (name == u"dedupe") {
            request.removeDuplicates = true;
        } else if (name == u"source") {
            request.showSource = true;
        } else if (name == u"out") {
            if (value.isEmpty())
                return usageError(QStringLiteral("--out needs a file name."));
            request.outFile = value;
        } else if (name == u"list-file") {
            request.inputs.append({CliInputSource::Kind::ListFile, value});
        } else if (name == u"all-lines") {
            chosen.append(CliExtraction::AllLines);
        } else if (name == u"containing") {
            chosen.append(CliExtraction::Containing);
            request.text = value;
        } else if (name == u"not-containing") {
            chosen.append(CliExtraction::NotContaining);
            request.text = value;
        } else if (name == u"line-numbers") {
            chosen.append(CliExtraction::LineNumbers);
            request.text = value;
        } else if (name == u"between") {
            chosen.append(CliExtraction::Between);
            between = true;
        } else if (name == u"start") {
            request.startMarker = value;
            markerGiven = true;
        } else if (name == u"end") {
            request.endMarker = value;
            markerGiven = true;
        } else if (name == u"text-set") {
            if (!chosen.contains(CliExtraction::TextSets))
                chosen.append(CliExtraction::TextSets);
            request.textSetItems.append(value);
        } else {
            return usageError(QStringLiteral("Unknown option: --%1").arg(name));
        }
    }
    if (request.help)
        return {request, {}};
    if (chosen.isEmpty())
        return usageError(QStringLiteral("Choose what to extract: --all-lines, --containing, --not-containing, "
                                         "--line-numbers, --between or --text-set."));
    if (chosen.size() > 1)
        return usageError(QStringLiteral("Choose only one of --all-lines, --containing, --not-containing, "
                                         "--line-numbers, --between and --text-set."));
    if (markerGiven && !between)
        return usageError(QStringLiteral("--start and --end belong to --between."));
    if (!request.outFile.isEmpty()) {
        const QString lowered = request.outFile.toLower();
        if (!lowered.endsWith(u".txt") && !lowered.endsWith(u".xlsx"))
            return usageError(QStringLiteral("--out needs a file name ending in .txt (aligned text file) or .xlsx "
                                             "(workbook): %1")
                                  .arg(request.outFile));
    }
    request.extraction = chosen.constFirst();
    return {request, {}};
}

} // namespace cardisto
