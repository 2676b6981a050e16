// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberText.h"

#include <QList>
#include <QString>
#include <vector>

namespace cardisto {

// One comma piece of a line-number list. A piece that converts cleanly selects its number; a piece
// that does not (empty, not a number, out of range) is reported with its error and then counts as
// the number its text begins with, so "2-5" selects line 2 and "40000" line 40000.
struct LineNumberPiece {
    QString text;
    NumberTextError error = NumberTextError::None;
    double number = 0;
};

// The pieces of a line-number list text, cut at every comma only; empty pieces count.
QList<LineNumberPiece> LineNumberPieces(const QString& listText);

// The line numbers a list selects, for a quick test per line. Numbers of 0 or below and numbers
// with a fraction select nothing; a number listed twice selects its line once.
class LineNumberSelection {
public:
    explicit LineNumberSelection(const QList<LineNumberPiece>& pieces = {});
    bool selects(qsizetype lineNumber) const;
    bool isEmpty() const { return m_numbers.empty(); }

private:
    std::vector<qsizetype> m_numbers; // sorted, no duplicates
};

} // namespace cardisto
