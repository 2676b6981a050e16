#include "AddRule.h"

#include "ResultsModel.h"

namespace cardisto {

bool OfferResult(ResultsModel& results, const ExtractionOptions& options, const QString& sourceEntry,
                 const QString& resultText)
{
    if (options.removeDuplicates) {
        const bool listed =
            options.showSourceFilename ? results.containsSubItemText(resultText) : ItemExists(results, resultText);
        if (listed)
            return false;
    }
    if (options.showSourceFilename)
        results.appendRow(sourceEntry, resultText);
    else
        results.appendRow(resultText);
    return true;
}

} // namespace cardisto
