// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace cardisto {

// The sort key of the order in which Windows lists a folder: every code unit upper-cased on its own
// (the NTFS rule), keys compared code unit by code unit. Names with equal keys differ only in letter
// case, which only other file systems can hold; listDirectory puts them in ordinal order, so the
// order is the same everywhere.
QString windowsSortKey(QStringView name);

} // namespace cardisto
