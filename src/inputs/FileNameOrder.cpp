#include "FileNameOrder.h"

#include <algorithm>

namespace cardisto {

QString windowsSortKey(QStringView name)
{
    QString key(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        key[i] = name[i].toUpper(); // a unit on its own: "ß" stays one unit, surrogates stay as they are
    return key;
}

bool windowsNameLess(const QString& a, const QString& b)
{
    const int byKey = QStringView(windowsSortKey(a)).compare(windowsSortKey(b), Qt::CaseSensitive);
    return byKey != 0 ? byKey < 0 : a < b;
}

void sortAsWindowsLists(QStringList& names)
{
    QList<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (QString& name : names)
        keyed.append({windowsSortKey(name), std::move(name)});
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < keyed.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

} // namespace cardisto
