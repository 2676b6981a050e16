// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/ConversionChoice.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineParser;

namespace cardisto {

struct CliCommandHelp;

// Which of the six extraction commands the batch front end runs.
enum class CliExtraction { AllLines, Containing, NotContaining, LineNumbers, Between, TextSets };

// One source of input rows, in command-line order: an INPUT argument or a --list-file.
struct CliInputSource {
    enum class Kind { Input, ListFile };
    Kind kind = Kind::Input;
    QString path;
    // The name's bytes when they do not decode in the local 8-bit encoding (Unix); empty otherwise.
    QByteArray undecodedName = {};
    bool operator==(const CliInputSource&) const = default;
};

// What "cardisto-cli extract" was asked to do.
struct CliExtractRequest {
    ConversionChoice choice = ConversionChoice::allFields();
    bool removeDuplicates = false;
    bool quiet = false; // no word on what --decode would read otherwise
    bool showSource = false;
    QString outFile;
    CliExtraction extraction = CliExtraction::AllLines;
    QString text; // --containing, --not-containing, --line-numbers
    QString startMarker;
    QString endMarker;
    QStringList textSetItems;
    QList<CliInputSource> inputs;
    bool help = false;
};

// The request, or a usage error text.
struct CliExtractParse {
    std::optional<CliExtractRequest> request;
    QString error;
};

// Parses the arguments after "extract". Options may come in any order among the inputs; values may
// begin with a dash ("--containing -x") or follow an equals sign ("--containing=-x"); "--" ends the
// options. rawArguments, when given, are the same arguments as the system passed them, so that
// names that do not decode can still be read.
CliExtractParse parseExtractArguments(const QStringList& arguments, const QList<QByteArray>& rawArguments = {});

// The INPUT arguments and --list-file entries of a command line that `parser` has parsed with the
// options of `help`, in command-line order; no value, with the error text, when standard input is
// named more than once. arguments are those the parser was given (without the command's name).
std::optional<QList<CliInputSource>> inputSourcesOf(const QCommandLineParser& parser, const CliCommandHelp& help,
                                                    const QStringList& arguments, const QList<QByteArray>& rawArguments,
                                                    QString& error);

// The bytes of argument `index` from valueOffset on, when the argument does not survive decoding and
// encoding again (it is no valid text in the local 8-bit encoding); empty for the others.
QByteArray undecodedBytes(const QStringList& arguments, const QList<QByteArray>& rawArguments, qsizetype index,
                          qsizetype valueOffset = 0);

} // namespace cardisto
