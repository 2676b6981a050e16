// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: a path list file, decoded and cut into rows.
#include "FuzzSupport.h"
#include "shell/FileHelpers.h"

using namespace cardisto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzz::textFrom(data, size);
    const QStringList rows = splitPathListText(text);
    qsizetype characters = 0;
    for (const QString& row : rows) {
        fuzz::require(!row.contains(u'\r') && !row.contains(u'\n'));
        characters += row.size();
    }
    fuzz::require(characters <= text.size());
    fuzz::require(itemsFromLines(rows).size() <= rows.size());
    return 0;
}
