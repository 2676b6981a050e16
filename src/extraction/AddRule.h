// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultTextIndex.h"

#include <QString>
#include <QStringView>

namespace cardisto {

class ResultsModel;

// The two extraction options, read at every offer: "Remove duplicate results" and "Show source
// filename next to extracted text".
struct ExtractionOptions {
    bool removeDuplicates = false;
    bool showSourceFilename = false;
};

// Offers one result found in the file listed as sourceEntry; returns whether a row was added.
//
// With duplicates removed, a result is dropped when it is already listed: without the source column
// when a row's text (column 1) equals it, with the source column when a row's result text (column 2)
// equals it, whatever file that row came from. A kept result becomes a row of its own text, or,
// with the source column, a row of the source entry with the result as its sub-item.
// The result may still lie inside its file's text: it is copied only when it becomes a row.
bool OfferResult(ResultsModel& results, const ExtractionOptions& options, const QString& sourceEntry,
                 HashedText resultText);
bool OfferResult(ResultsModel& results, const ExtractionOptions& options, const QString& sourceEntry,
                 QStringView resultText);

} // namespace cardisto
