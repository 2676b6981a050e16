// SPDX-License-Identifier: GPL-3.0-or-later
#include "AddRule.h"

#include "ResultsModel.h"

namespace cardisto {

bool OfferResult(ResultsModel& results, const ExtractionOptions& options, const QString& sourceEntry,
                 HashedText resultText)
{
    // The duplicate test and the append share one lookup; a duplicate is never copied.
    if (options.removeDuplicates) {
        return options.showSourceFilename ? results.appendRowUnlessListed(sourceEntry, resultText)
                                          : results.appendRowUnlessListed(resultText);
    }
    if (options.showSourceFilename)
        results.appendRow(sourceEntry, resultText.text.toString());
    else
        results.appendRow(resultText.text.toString());
    return true;
}

bool OfferResult(ResultsModel& results, const ExtractionOptions& options, const QString& sourceEntry,
                 QStringView resultText)
{
    // Without duplicate removal the hash is never asked for.
    return OfferResult(results, options, sourceEntry,
                       options.removeDuplicates ? ResultTextIndex::hashed(resultText) : HashedText{resultText});
}

} // namespace cardisto
