// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace cardisto {

// The pattern the folder scan takes for the button: "*." followed by the extension.
QString vcfFilePattern();  // "*.vcf"
QString allFilesPattern(); // "*.*", which also takes names without a dot, as on Windows

// Wildcard matching as Windows lists a folder: "*" stands for any run of characters, "?" for one
// character, letters match in either case, and "*.*" (or "*") takes every name.
bool matchesFilePattern(QStringView name, QStringView pattern);

} // namespace cardisto
