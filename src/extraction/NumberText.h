// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace cardisto {

// Why a text is not a whole number of the line-number range; the texts are the descriptions the
// error box shows.
enum class NumberTextError { None, TypeMismatch, Overflow };

QString numberTextErrorDescription(NumberTextError error);

struct SmallWholeNumber {
    int value = 0;
    NumberTextError error = NumberTextError::None;
};

// Converts a text to a whole number from -32768 to 32767: blanks around the number are allowed, a
// decimal fraction and an exponent too; a fraction is rounded to the nearest whole number, a half
// to the even neighbour. Anything else, the empty text included, is a type mismatch; a number
// outside the range is an overflow.
SmallWholeNumber toSmallWholeNumber(QStringView text);

// The number that a text begins with: blanks (spaces, tabs, line feeds) are skipped wherever they
// are, then a sign, digits, a decimal fraction and an exponent are read up to the first character
// that cannot continue the number. A text without leading digits counts as 0.
double leadingNumber(QStringView text);

} // namespace cardisto
