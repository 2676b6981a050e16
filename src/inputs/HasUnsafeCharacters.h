#pragma once

#include <QStringView>

namespace cardisto {

// The code of a character in Windows-1252, the code page the program's files are written in;
// 63 ("?") for a character the code page cannot show.
int windows1252Code(QChar c);

// True when a folder name holds a character the folder walk refuses: a control code (below 32 or
// 127 to 159 in Windows-1252), a "?", or a character outside Windows-1252. An empty name is safe.
bool HasUnsafeCharacters(QStringView name);

} // namespace cardisto
