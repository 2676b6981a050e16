#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace cardisto {

// The order in which Windows lists a folder: names compared code unit by code unit after each unit
// is upper-cased on its own (the NTFS rule). Names that differ only in letter case, which only
// other file systems can hold, follow in ordinal order, so the order is the same everywhere.
QString windowsSortKey(QStringView name);
bool windowsNameLess(const QString& a, const QString& b);
void sortAsWindowsLists(QStringList& names);

} // namespace cardisto
