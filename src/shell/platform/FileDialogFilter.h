// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace cardisto {

// Turns a filter as the program writes it, description and pattern pairs separated by "|"
// ("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"), into Qt's name filters
// ("Text Files (*.txt)", "All Files (*)"). Patterns separated by ";" become a blank-separated list,
// and "*.*" becomes "*" so that names without a dot are listed too. An empty filter gives no entry.
QStringList qtNameFilters(const QString& programFilter);

} // namespace cardisto
