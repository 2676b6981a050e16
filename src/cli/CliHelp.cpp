// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliHelp.h"

namespace cardisto {

namespace {

// Descriptions start at this column; longer option columns take a line of their own.
constexpr qsizetype kDescriptionColumn = 26;

CliOptionEntry fieldsOption()
{
    return {{"fields"},
            "all|none|LIST",
            "The fields to convert: all (the default), none, or LIST, a comma list of emails, phones, names, "
            "addresses."};
}

CliOptionEntry decodeOption()
{
    return {
        {"decode"},
        {},
        "Read vCards as the standard defines them: join folded lines, decode quoted-printable values and "
        "character sets, read escapes, take grouped names (item1.EMAIL) and, with all fields, every field "
        "however it is written, colons and all."};
}

CliOptionEntry helpOption()
{
    return {{"h", "help"}, {}, "Show this help and exit."};
}

CliOptionEntry listFileOption()
{
    return {{"list-file"}, "F", "Add the paths listed in F, one per line (\"-\" reads standard input)."};
}

// What the commands over many inputs say of them.
QString inputsNote()
{
    return QStringLiteral(
        "An INPUT is a vCard file, taken as given, \"-\" for standard input (shown as \"-\" in the source\n"
        "column), or a folder: its *.vcf files and those of all its sub-folders, level by level, as \"Add All\n"
        "VCF Files In Folder\" adds them. Inputs and --list-file entries are read in command-line order.\n"
        "Missing or unreadable inputs are reported and the others are still read.\n");
}

// The words of a description in lines of at most kWidth columns, continued at the given column.
QString wrapped(const QString& description, qsizetype column)
{
    constexpr qsizetype kWidth = 100;
    QString text;
    qsizetype lineLength = column;
    for (const QString& word : description.split(u' ')) {
        if (lineLength > column && lineLength + 1 + word.size() > kWidth) {
            text += u'\n' + QString(column, u' ');
            lineLength = column;
        } else if (lineLength > column) {
            text += u' ';
            ++lineLength;
        }
        text += word;
        lineLength += word.size();
    }
    return text;
}

QString optionColumn(const CliOptionEntry& option)
{
    QStringList names;
    for (const QString& name : option.names)
        names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    QString column = QStringLiteral("  ") + names.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty())
        column += u' ' + option.valueName;
    return column;
}

QString exitStatusText()
{
    return QStringLiteral("Exit status:\n"
                          "  0  all went well\n"
                          "  1  something was reported on standard error (an input could not be read, a write "
                          "failed)\n"
                          "  2  a usage error, a missing input, or one of the program's messages (\"No files "
                          "added.\")\n");
}

} // namespace

const CliCommandHelp& convertHelp()
{
    static const CliCommandHelp help{
        {"cardisto-cli convert [--fields all|none|LIST] [--decode] FILE"},
        "Writes the converted text of FILE (\"-\" reads standard input): the values of the chosen fields, one "
        "per line, joined by CR LF, in file order, with nothing added at the end.",
        {{"Options", {fieldsOption(), decodeOption(), helpOption()}}},
        {},
        {"cardisto-cli convert --fields emails,phones contacts.vcf", "cat contacts.vcf | cardisto-cli convert -"}};
    return help;
}

const CliCommandHelp& extractHelp()
{
    static const CliCommandHelp help{
        {"cardisto-cli extract [OPTION]... EXTRACTION INPUT...",
         "cardisto-cli extract [OPTION]... EXTRACTION --list-file F [INPUT]..."},
        "Runs one extraction command over the inputs, in order, and writes one result per line.",
        {{"Extraction (exactly one)",
          {{{"all-lines"}, {}, "Every line of every file."},
           {{"containing"}, "TEXT", "The lines containing TEXT (letter case ignored)."},
           {{"not-containing"}, "TEXT", "The lines not containing TEXT (letter case ignored)."},
           {{"line-numbers"}, "LIST", "The lines at the positions of a comma list, such as 1,3,4."},
           {{"between"}, {}, "Every stretch from --start X (letter case ignored) up to the next --end Y."},
           {{"start"}, "X", "Where a stretch of --between begins."},
           {{"end"}, "Y", "Where a stretch of --between ends."},
           {{"text-set"}, "ITEM", "The lines containing any of the items (repeat the option), once per item found."}}},
         {"Options",
          {fieldsOption(),
           decodeOption(),
           {{"quiet"},
            {},
            "Without --decode, do not say on standard error how many lines --decode would read otherwise."},
           {{"dedupe"}, {}, "Remove duplicate results."},
           {{"source"}, {}, "Show source filename next to extracted text (the input entry, a TAB, the result)."},
           {{"out"}, "FILE", "Write FILE, ending in .txt (aligned text file) or .xlsx (workbook), instead."},
           listFileOption(),
           helpOption()}}},
        inputsNote() + "Without --out the results are written as they are found, one line each, ending in LF.\n",
        {"cardisto-cli extract --fields emails --dedupe --all-lines ~/Contacts",
         "cardisto-cli extract --line-numbers 1,3,4 --source --out numbers.txt a.vcf b.vcf",
         "cardisto-cli extract --between --start \"remove=\" --end '\" target' --out addresses.xlsx mailing.vcf",
         "find . -name '*.vcf' | cardisto-cli extract --containing @example.com --list-file -"}};
    return help;
}

const CliCommandHelp& tableHelp()
{
    static const CliCommandHelp help{
        {"cardisto-cli table [--format csv|tsv|xlsx|jsonl] [--out FILE] [--source] [--bom] [--dedupe] INPUT...",
         "cardisto-cli table [OPTION]... --list-file F [INPUT]..."},
        "Writes a table of the contacts in the inputs, one row per contact, in the columns Google Contacts "
        "reads: names, organisation, birthday, notes and labels, then every e-mail, phone, address and website "
        "with its label. Every file is read as the standard defines vCards, as --decode reads them.",
        {{"Options",
          {{{"format"},
            "csv|tsv|xlsx|jsonl",
            "The table's form: CSV (the default), TSV, an .xlsx workbook, or JSON Lines (an object per contact); "
            "without it, the extension of --out decides."},
           {{"out"}, "FILE", "Write FILE instead of standard output; a workbook needs one."},
           {{"source"}, {}, "Add a first column \"Source\" with each contact's input entry."},
           {{"bom"},
            {},
            "Start CSV or TSV with a UTF-8 byte-order mark, which Excel needs to read UTF-8 and Google's import "
            "does not want."},
           {{"dedupe"}, {}, "Leave out a contact whose every cell equals an earlier contact's."},
           listFileOption(),
           helpOption()}}},
        inputsNote() +
            "Each e-mail, phone and website takes two columns (label and value), each address nine, as many\n"
            "times as the contact with the most of them needs. CSV and TSV rows end in CR LF; a cell that a\n"
            "spreadsheet would run as a formula (=, @, or + or - before more than a number) starts with an\n"
            "apostrophe.\n",
        {"cardisto-cli table ~/Contacts > contacts.csv", "cardisto-cli table --source --out contacts.xlsx a.vcf b.vcf",
         "cardisto-cli table --format jsonl --dedupe phone.vcf | jq -r .fileAs"}};
    return help;
}

QString overviewHelpText()
{
    return QStringLiteral("Usage: cardisto-cli COMMAND [OPTION]... INPUT...\n"
                          "       cardisto-cli --help | --version\n"
                          "Pulls contact data out of vCard files, as the Cardisto windows do.\n"
                          "\n"
                          "Commands:\n"
                          "  convert   write the converted text of one vCard file\n"
                          "  extract   run one extraction command over vCard files and folders\n"
                          "  table     write the contacts of vCard files and folders as a table, one row each\n"
                          "\n"
                          "\"cardisto-cli COMMAND --help\" describes a command.\n"
                          "\n") +
           exitStatusText();
}

QString helpText(const CliCommandHelp& help)
{
    QString text;
    for (qsizetype i = 0; i < help.usage.size(); ++i)
        text += (i == 0 ? QStringLiteral("Usage: ") : QStringLiteral("   or: ")) + help.usage.at(i) + u'\n';
    text += wrapped(help.summary, 0) + u'\n';
    for (const auto& [heading, options] : help.optionGroups) {
        text += u'\n' + heading + QStringLiteral(":\n");
        for (const CliOptionEntry& option : options) {
            const QString column = optionColumn(option);
            if (column.size() + 2 > kDescriptionColumn)
                text += column + u'\n' + QString(kDescriptionColumn, u' ');
            else
                text += column.leftJustified(kDescriptionColumn);
            text += wrapped(option.description, kDescriptionColumn) + u'\n';
        }
    }
    if (!help.notes.isEmpty())
        text += u'\n' + help.notes;
    text += u'\n' + exitStatusText();
    text += QStringLiteral("\nExamples:\n");
    for (const QString& example : help.examples)
        text += QStringLiteral("  ") + example + u'\n';
    return text;
}

QList<QCommandLineOption> parserOptions(const CliCommandHelp& help)
{
    QList<QCommandLineOption> options;
    for (const auto& group : help.optionGroups) {
        for (const CliOptionEntry& entry : group.second) {
            QCommandLineOption option(entry.names, entry.description);
            if (!entry.valueName.isEmpty())
                option.setValueName(entry.valueName);
            options.append(option);
        }
    }
    return options;
}

const CliOptionEntry* findOption(const CliCommandHelp& help, QStringView name)
{
    for (const auto& group : help.optionGroups) {
        for (const CliOptionEntry& entry : group.second) {
            if (entry.names.contains(name))
                return &entry;
        }
    }
    return nullptr;
}

} // namespace cardisto
