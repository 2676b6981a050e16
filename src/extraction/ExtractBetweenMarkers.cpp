// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtractBetween.h"
#include "ExtractionCommands.h"
#include "ExtractionRun.h"

namespace cardisto {

using namespace extraction;

void ExtractBetweenMarkers(ExtractionHost& host)
{
    const ExtractionRunFlag run(host);
    if (!run.started())
        return;
    Guard guard(host.errorReporter(),
                ErrorLocation::velmora(QStringLiteral("Form2"), QStringLiteral("PushButton4_Click")));
    bool noMarkers = false;
    guard(100, [&] {
        noMarkers = host.extractionText(ExtractionText::StartMarker).isEmpty() ||
                    host.extractionText(ExtractionText::EndMarker).isEmpty();
    });
    if (!startRunOverFiles(host, guard, noMarkers, fillOutMarkersMessage()))
        return;
    // The markers are read afresh for every file. The stretches are offered as they are found,
    // with no yield between them; a file with very many lets the window repaint meanwhile.
    const auto offerStretches = [&](const QString& path, const ConvertedFile& file) {
        QString startMarker;
        QString endMarker;
        guard(120, [&] {
            startMarker = host.extractionText(ExtractionText::StartMarker);
            endMarker = host.extractionText(ExtractionText::EndMarker);
        });
        BetweenStretches stretches(file.text, startMarker, endMarker);
        for (bool more = true; more;) {
            guard(122, [&] {
                more = false; // a failure ends the file's stretches
                QStringView stretch;
                more = stretches.next(stretch);
                if (more && !stretch.isEmpty())
                    offerResult(host, path, stretch);
                host.refreshWithoutUserInput();
            });
        }
        guard(124, [&] { resetProgress(host); });
    };
    forEveryInputFile(host, guard, {112, 114, 116, 118}, PercentStyle::Rounded, FileParts::Text, offerStretches);
    // A run stopped after a file had started leaves the display at rest all the same.
    if (host.stopRequested())
        guard(126, [&] { resetProgress(host); });
}

} // namespace cardisto
