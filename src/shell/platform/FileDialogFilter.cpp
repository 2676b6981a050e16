// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDialogFilter.h"

#include <QRegularExpression>

namespace cardisto {

namespace {

QString qtPatterns(const QString& patterns)
{
    QStringList result;
    for (QString pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern.isEmpty())
            continue;
        // "*.*" means every file where the filter comes from; in Qt it would skip names without a dot.
        result.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    return result.isEmpty() ? QStringLiteral("*") : result.join(u' ');
}

// The description without the pattern list it usually ends with: "VCF Files (*.vcf)" -> "VCF Files".
QString plainDescription(const QString& description)
{
    static const QRegularExpression trailingPatterns(QStringLiteral(R"(\s*\([^()]*\)\s*$)"));
    QString plain = description;
    plain.remove(trailingPatterns);
    return plain.trimmed();
}

} // namespace

QStringList qtNameFilters(const QString& programFilter)
{
    QStringList fields = programFilter.split(u'|');
    if (!fields.isEmpty() && fields.last().isEmpty())
        fields.removeLast(); // the closing "|"
    QStringList filters;
    for (qsizetype i = 0; i < fields.size(); i += 2) {
        const QString patterns = qtPatterns(i + 1 < fields.size() ? fields[i + 1] : QString());
        QString description = plainDescription(fields[i]);
        if (description.isEmpty())
            description = patterns;
        filters.append(description + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

} // namespace cardisto
