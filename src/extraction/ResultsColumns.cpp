// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsColumns.h"

namespace cardisto {

QList<ResultsColumn> ResultsColumnsFor(ResultsLayout layout)
{
    switch (layout) {
    case ResultsLayout::StartUp:
        return {{QStringLiteral("Results"), 7300}};
    case ResultsLayout::ResultsOnly:
        return {{QStringLiteral("Results"), 7000}};
    case ResultsLayout::WithSourceFilename:
        return {{QStringLiteral("Source Filename"), 3000}, {QStringLiteral("Extraction Results"), 4400}};
    }
    return {};
}

} // namespace cardisto
