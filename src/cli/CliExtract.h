#pragma once

#include <QIODevice>
#include <QStringList>

namespace cardisto {

class ResultsModel;

// cardisto-cli extract ...: runs one extraction command over the input files. The arguments are
// those after the program name, the first being "extract".
int runExtractCommand(const QStringList& arguments, QIODevice& out, QIODevice& err);

// One line per result row, ending in LF: the result text, or the source entry, a TAB and the result
// text. Texts are written as found, in UTF-8.
void writeResultLines(const ResultsModel& results, QIODevice& out);

} // namespace cardisto
