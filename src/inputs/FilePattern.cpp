// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilePattern.h"

namespace cardisto {

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

QString vcfFilePattern()
{
    return QStringLiteral("*.vcf");
}

QString allFilesPattern()
{
    return QStringLiteral("*.*");
}

bool matchesFilePattern(QStringView name, QStringView pattern)
{
    if (pattern == u"*" || pattern == u"*.*")
        return true;
    // Greedy matching that backtracks only to the last "*": linear for the patterns in use.
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || sameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace cardisto
