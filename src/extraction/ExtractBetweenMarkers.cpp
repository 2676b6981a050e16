#include "ExtractBetween.h"
#include "ExtractionCommands.h"
#include "ExtractionRun.h"
#include "ResultsModel.h"

namespace cardisto {

using namespace extraction;

void ExtractBetweenMarkers(ExtractionHost& host)
{
    if (host.extractionRunning())
        return;
    host.setExtractionRunning(true);
    Guard guard(host.errorReporter(),
                ErrorLocation::velmora(QStringLiteral("Form2"), QStringLiteral("PushButton4_Click")));
    bool noMarkers = false;
    bool noFiles = false;
    guard(100, [&] {
        noMarkers = host.extractionText(ExtractionText::StartMarker).isEmpty() ||
                    host.extractionText(ExtractionText::EndMarker).isEmpty();
    });
    if (noMarkers) {
        guard(102, [&] { host.showMessage(fillOutMarkersMessage()); });
    } else {
        guard(104, [&] { noFiles = host.inputCount() == 0; });
        if (noFiles) {
            guard(106, [&] { host.showMessage(noFilesAddedMessage()); });
        } else {
            guard(108, [&] { host.results().removeAllRows(); });
            guard(110, [&] { rebuildResultHeaders(host); });
            qsizetype fileCount = 0;
            guard(112, [&] { fileCount = host.inputCount(); });
            for (qsizetype i = 0; i < fileCount; ++i) {
                if (!inputRowExists(host, i))
                    break;
                QString path;
                guard(114, [&] { path = host.inputEntry(i); });
                guard(116, [&] { showFileProgress(host, i + 1, path, PercentStyle::Rounded); });
                QString text;
                guard(118, [&] { text = readConvertedText(host, path); });
                // The markers are read afresh for every file.
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
            }
        }
    }
    host.setExtractionRunning(false);
}

} // namespace cardisto
