// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace cardisto {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Length of the longest number at the start of text: sign, digits, fraction, exponent. Zero when
// the text does not start with at least one digit (after an optional sign and point).
qsizetype numberLength(QStringView text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype exponentStart = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > exponentStart)
            i = j;
    }
    return i;
}

// The power of ten of an unsigned number text's first significant digit; enough to tell a number too
// large for a double from one too small.
long long decimalExponent(std::string_view number)
{
    long long position = 0; // of the first significant digit, relative to the ones place
    bool seenPoint = false;
    bool found = false;
    long long integerDigits = 0;
    size_t i = 0;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        const char c = number[i];
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        if (!found && c != '0') {
            found = true;
            position = seenPoint ? position - 1 : 0;
        } else if (!found && seenPoint) {
            --position;
        }
        if (!seenPoint && found)
            ++integerDigits;
    }
    if (found && integerDigits > 0)
        position = integerDigits - 1;
    long long exponent = 0;
    if (i + 1 < number.size()) {
        const char* digits = number.data() + i + 1;
        const bool negativeExponent = *digits == '-';
        if (*digits == '+' || *digits == '-')
            ++digits;
        if (std::from_chars(digits, number.data() + number.size(), exponent).ec == std::errc::result_out_of_range)
            exponent = std::numeric_limits<int>::max();
        if (negativeExponent)
            exponent = -exponent;
    }
    return position + exponent;
}

// Converts a text that numberLength() accepted in full; independent of the process locale.
double toDouble(QStringView number)
{
    QByteArray ascii = number.toLatin1();
    // An exponent may be written with D; the conversion knows only E.
    ascii.replace('d', 'e').replace('D', 'e');
    const char* begin = ascii.constData();
    const char* end = begin + ascii.size();
    const bool negative = *begin == '-';
    if (*begin == '+' || *begin == '-')
        ++begin;
    double value = 0.0;
    if (std::from_chars(begin, end, value).ec == std::errc::result_out_of_range)
        value = decimalExponent(std::string_view(begin, size_t(end - begin))) > 0 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

} // namespace

QString numberTextErrorDescription(NumberTextError error)
{
    switch (error) {
    case NumberTextError::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case NumberTextError::Overflow:
        return QStringLiteral("Overflow");
    case NumberTextError::None:
        break;
    }
    return {};
}

SmallWholeNumber toSmallWholeNumber(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView number = text.mid(begin, end - begin);
    if (number.isEmpty() || numberLength(number) != number.size())
        return {0, NumberTextError::TypeMismatch};
    // The default floating-point rounding mode rounds a half to the even neighbour.
    const double rounded = std::nearbyint(toDouble(number));
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        return {0, NumberTextError::Overflow};
    return {int(rounded), NumberTextError::None};
}

double leadingNumber(QStringView text)
{
    QString packed;
    packed.reserve(text.size());
    for (const QChar c : text) {
        if (!isBlank(c) && c != u'\n')
            packed.append(c);
    }
    const qsizetype length = numberLength(packed);
    return length == 0 ? 0.0 : toDouble(QStringView(packed).left(length));
}

} // namespace cardisto
