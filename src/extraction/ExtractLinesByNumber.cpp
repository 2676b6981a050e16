// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtractionCommands.h"
#include "ExtractionRun.h"
#include "LineNumberList.h"

namespace cardisto {

using namespace extraction;

void ExtractLinesByNumber(ExtractionHost& host)
{
    const ExtractionRunFlag run(host);
    if (!run.started())
        return;
    Guard guard(host.errorReporter(),
                ErrorLocation::velmora(QStringLiteral("Form1"), QStringLiteral("PushButton7_Click")));
    QString listText;
    guard(100, [&] { listText = host.extractionText(ExtractionText::LineNumbers); });
    if (!startRunOverFiles(host, guard, listText.isEmpty(), fillOutTextMessage()))
        return;
    guard(112, [&] { host.setBusyPointer(true); });
    // The list is read once, here: edits during the run have no effect. A piece that is no whole
    // number is reported once and then counts as the number its text begins with.
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
        host, guard, {118, 120, 122, 124}, 126, PercentStyle::Rounded,
        [&](qsizetype lineNumber, QStringView) { return qsizetype(selection.selects(lineNumber)); });
    guard(128, [&] { resetProgress(host); });
}

} // namespace cardisto
