// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace cardisto {

class ExtractionHost;

// The six extraction commands. Each runs over every file of the host's input list and fills the
// host's results list; a second run while one of the same host is going returns at once. Expected
// conditions (nothing to run over, a filter left empty) are plain messages; unexpected failures go
// to the error box under the command's own location, and the run goes on.

// "Extract All Lines" (Form1.PushButton13_Click).
void ExtractAllLines(ExtractionHost& host);
// "Extract All Lines Containing This Text:" (Form1.PushButton2_Click), filter from Text1.
void ExtractLinesContaining(ExtractionHost& host);
// "Extract All Lines Not Contain. This Text:" (Form1.PushButton8_Click), filter from Text2.
void ExtractLinesNotContaining(ExtractionHost& host);
// "Extract Lines By Number:" (Form1.PushButton7_Click), comma list from Text5.
void ExtractLinesByNumber(ExtractionHost& host);
// "Extract Between X and Y (Repeatedly)" (Form2.PushButton4_Click), markers from Text3 and Text4.
void ExtractBetweenMarkers(ExtractionHost& host);
// "Extract Lines Containing These Text Sets" (Form3.PushButton4_Click); appends to the results.
void ExtractTextSets(ExtractionHost& host);

} // namespace cardisto
