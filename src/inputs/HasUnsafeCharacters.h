// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace cardisto {

// The code of a character in Windows-1252; 63 ("?") for a character the code page cannot show.
int windows1252Code(QChar c);

// Whose character codes the name test uses: Windows-1252 where file names pass through that code
// page (Windows), Unicode code points where file names are UTF-8 and every character survives.
enum class NameCodePage { Windows1252, Unicode };
NameCodePage systemNameCodePage();

// True when a folder name holds a character the folder walk refuses: a control code (below 32 or
// 127 to 159), a "?", or (Windows-1252 only) a character the code page cannot show. An empty name
// is safe.
bool HasUnsafeCharacters(QStringView name, NameCodePage codePage = systemNameCodePage());

} // namespace cardisto
