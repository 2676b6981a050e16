#include "ExtractionCommands.h"
#include "ExtractionRun.h"
#include "LineNumberList.h"
#include "ResultsModel.h"

namespace cardisto {

using namespace extraction;

void ExtractLinesByNumber(ExtractionHost& host)
{
    if (host.extractionRunning())
        return;
    host.setExtractionRunning(true);
    Guard guard(host.errorReporter(),
                ErrorLocation::velmora(QStringLiteral("Form1"), QStringLiteral("PushButton7_Click")));
    QString listText;
    bool noFiles = false;
    guard(100, [&] { listText = host.extractionText(ExtractionText::LineNumbers); });
    if (listText.isEmpty()) {
        guard(102, [&] { host.showMessage(fillOutTextMessage()); });
    } else {
        guard(104, [&] { noFiles = host.inputCount() == 0; });
        if (noFiles) {
            guard(106, [&] { host.showMessage(noFilesAddedMessage()); });
        } else {
            guard(108, [&] { host.results().removeAllRows(); });
            guard(110, [&] { rebuildResultHeaders(host); });
            guard(112, [&] { host.setBusyPointer(true); });
            // The list is read once, here: edits during the run have no effect. A piece that is no
            // whole number is reported once and then counts as the number its text begins with.
            QList<LineNumberPiece> pieces;
            guard(114, [&] { pieces = LineNumberPieces(listText); });
            for (const LineNumberPiece& piece : pieces) {
                guard(116, [&] {
                    if (piece.error != NumberTextError::None)
                        throw ProcedureFailure(numberTextErrorDescription(piece.error));
                });
            }
            const LineNumberSelection selection(pieces);
            extractLinesOfEveryFile(
                host, guard, {118, 120, 122, 124, 126}, PercentStyle::Rounded,
                [&](qsizetype lineNumber, QStringView) { return qsizetype(selection.selects(lineNumber)); });
            guard(128, [&] { resetProgress(host); });
        }
    }
    host.setExtractionRunning(false);
}

} // namespace cardisto
