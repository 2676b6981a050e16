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
    // The markers are read afresh for every file.
    const auto offerStretches = [&](const QString& path, const ConvertedFile& file) {
        const QString& text = file.text;
        QStringList stretches;
        guard(120, [&] {
            stretches = ExtractBetween(text, host.extractionText(ExtractionText::StartMarker),
                                       host.extractionText(ExtractionText::EndMarker));
        });
        for (const QString& stretch : std::as_const(stretches)) {
            guard(122, [&] {
                if (!stretch.isEmpty())
                    offerResult(host, path, stretch);
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
