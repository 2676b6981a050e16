// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcfConverter.h"

#include "LogicalLines.h"
#include "VcfTextForm.h"
#include "shell/TextDecoding.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace cardisto {

namespace {

// The conversion works on code units of the file as read: bytes for UTF-8 and Windows-1252 files
// (every structural character is ASCII in both, so values are decoded only once, at the end) and
// 16-bit units for UTF-16 files. Names and parameter words are ASCII, so letter case is compared in
// ASCII only; no other character can match them.
template <typename Ch>
class Conversion {
public:
    using View = std::basic_string_view<Ch>;
    using Text = std::basic_string<Ch>;

    explicit Conversion(const ConversionChoice& choice) : m_choice(choice) {}

    // Converts the lines of a stretch of the file that begins a logical line and ends just after
    // one (or at the end of the file), adding its values to the output, each followed by CR LF.
    void convertLines(View text)
    {
        if (m_choice.decodeLines) {
            LogicalLines<Ch> logical;
            logical.run(text, [this](View line, size_t colon, bool hadEncodingParameters) {
                m_hadEncodingParameters = hadEncodingParameters;
                visitLine(line, colon);
            });
        } else {
            size_t start = 0;
            while (start <= text.size()) {
                size_t end = text.find(Ch('\n'), start);
                if (end == View::npos)
                    end = text.size();
                const View line = text.substr(start, end - start);
                visitLine(line, line.find(Ch(':')));
                start = end + 1;
            }
        }
    }

    // The values added since the last call, each followed by CR LF; the output starts empty again.
    Text takeOutput() { return std::exchange(m_output, Text()); }
    void reserve(size_t units) { m_output.reserve(units); }
    qsizetype valueCount() const { return m_valueCount; }

private:
    static constexpr Ch kSpace = Ch(' ');
    static constexpr Ch kCR = Ch('\r');

    static Ch upperAscii(Ch c) { return (c >= Ch('a') && c <= Ch('z')) ? Ch(c - 32) : c; }

    static bool isName(View text, std::string_view upperName)
    {
        if (text.size() != upperName.size())
            return false;
        for (size_t i = 0; i < text.size(); ++i) {
            if (upperAscii(text[i]) != Ch(upperName[i]))
                return false;
        }
        return true;
    }

    static bool containsIgnoringCase(View text, std::string_view upperWord)
    {
        if (text.size() < upperWord.size())
            return false;
        for (size_t i = 0; i + upperWord.size() <= text.size(); ++i) {
            if (isName(text.substr(i, upperWord.size()), upperWord))
                return true;
        }
        return false;
    }

    static View trimSpaces(View text)
    {
        size_t first = 0;
        size_t last = text.size();
        while (first < last && text[first] == kSpace)
            ++first;
        while (last > first && text[last - 1] == kSpace)
            --last;
        return text.substr(first, last - first);
    }

    // Assembly: a value is kept when it holds no colon and more than blanks; it is followed by CR LF.
    void append(View value)
    {
        ++m_valueCount;
        if (value.find(Ch(':')) != View::npos || trimSpaces(value).empty())
            return;
        m_output.append(value);
        m_output.push_back(kCR);
        m_output.push_back(Ch('\n'));
    }

    void appendWithoutCR(View value)
    {
        if (value.find(kCR) == View::npos) {
            append(value);
            return;
        }
        m_scratch.clear();
        for (const Ch c : value) {
            if (c != kCR)
                m_scratch.push_back(c);
        }
        append(m_scratch);
    }

    // "\n" (backslash, letter n) and then "=0D" each become one blank.
    void appendCleaned(View value)
    {
        if (value.find(Ch('\\')) == View::npos && value.find(Ch('=')) == View::npos) {
            append(value);
            return;
        }
        m_scratch.clear();
        for (size_t i = 0; i < value.size(); ++i) {
            if (value[i] == Ch('\\') && i + 1 < value.size() && value[i + 1] == Ch('n')) {
                m_scratch.push_back(kSpace);
                i += 1;
            } else if (value[i] == Ch('=') && i + 2 < value.size() && value[i + 1] == Ch('0') &&
                       value[i + 2] == Ch('D')) {
                m_scratch.push_back(kSpace);
                i += 2;
            } else {
                m_scratch.push_back(value[i]);
            }
        }
        append(m_scratch);
    }

    // Rule N: family name, then given name when present; each trimmed, then stripped of CR.
    void ruleN(View value)
    {
        const View names = trimSpaces(value);
        if (names.empty())
            return;
        const size_t firstCut = names.find(Ch(';'));
        appendWithoutCR(trimSpaces(names.substr(0, firstCut)));
        if (firstCut == View::npos)
            return;
        const View rest = names.substr(firstCut + 1);
        appendWithoutCR(trimSpaces(rest.substr(0, rest.find(Ch(';')))));
    }

    // Rule TEL: the number without CR. A number written as a URI (tel:...) is the text after "tel:".
    void ruleTel(View value, View afterSecondColon, bool hasSecondColon)
    {
        if (hasSecondColon && isName(value, "TEL"))
            appendWithoutCR(afterSecondColon);
        else
            appendWithoutCR(value);
    }

    // Rule ADR: work addresses give street, locality (cleaned), region, code, country, component 7;
    // other addresses give extended address and street (cleaned, or street and an empty value),
    // locality, region, code, country.
    void ruleAdr(View head, View value)
    {
        const View address = trimSpaces(value);
        View parts[8];
        size_t count = 0;
        if (!address.empty()) {
            size_t start = 0;
            while (true) {
                const size_t cut = address.find(Ch(';'), start);
                if (count < 8)
                    parts[count] = address.substr(start, cut == View::npos ? View::npos : cut - start);
                ++count;
                if (cut == View::npos)
                    break;
                start = cut + 1;
            }
        }
        if (containsIgnoringCase(head, "WORK")) {
            for (size_t k = 2; k <= 7 && k < count; ++k) {
                if (k <= 3)
                    appendCleaned(parts[k]);
                else
                    append(parts[k]);
            }
            return;
        }
        if (count < 3)
            return;
        if (!parts[1].empty()) {
            appendCleaned(parts[1]);
            appendCleaned(parts[2]);
        } else {
            appendCleaned(parts[2]);
            append(View());
        }
        for (size_t k = 3; k <= 6 && k < count; ++k)
            append(parts[k]);
    }

    // NOTE: the full value with "=0D=0A=" turned into CR LF, trimmed.
    void appendNote(View fullValue)
    {
        static constexpr Ch kSoftBreak[] = {'=', '0', 'D', '=', '0', 'A', '='};
        const View marker(kSoftBreak, 7);
        if (fullValue.find(marker) == View::npos) {
            append(trimSpaces(fullValue));
            return;
        }
        Text note;
        size_t start = 0;
        while (true) {
            const size_t found = fullValue.find(marker, start);
            note.append(fullValue.substr(start, found == View::npos ? View::npos : found - start));
            if (found == View::npos)
                break;
            note.push_back(kCR);
            note.push_back(Ch('\n'));
            start = found + marker.size();
        }
        append(trimSpaces(note));
    }

    // A line and the position of its first colon (npos when it has none).
    void visitLine(View line, size_t colon)
    {
        if (colon == View::npos)
            return;
        const View head = line.substr(0, colon);
        const View headName = trimSpaces(head);
        if (headName.empty())
            return;
        const size_t secondColon = line.find(Ch(':'), colon + 1);
        const bool hasSecondColon = secondColon != View::npos;
        const View value = hasSecondColon ? line.substr(colon + 1, secondColon - colon - 1) : line.substr(colon + 1);
        const View afterSecondColon = hasSecondColon ? line.substr(secondColon + 1) : View();
        if (m_choice.mode == FieldMode::SomeFields)
            dispatchSomeFields(head, headName, value, afterSecondColon, hasSecondColon);
        else
            dispatchAllFields(head, headName, value, line.substr(colon + 1), afterSecondColon, hasSecondColon);
    }

    static View baseName(View headName) { return trimSpaces(headName.substr(0, headName.find(Ch(';')))); }

    void dispatchSomeFields(View head, View headName, View value, View afterSecondColon, bool hasSecondColon)
    {
        const FieldGroups& groups = m_choice.groups;
        if (isName(headName, "N")) {
            if (groups.names)
                ruleN(value);
            return;
        }
        const View base = baseName(headName);
        if (isName(base, "EMAIL")) {
            if (groups.emails)
                appendWithoutCR(value);
        } else if (isName(base, "N")) {
            if (groups.names)
                ruleN(value);
        } else if (isName(base, "ADR")) {
            if (groups.addresses)
                ruleAdr(head, value);
        } else if (isName(base, "TEL")) {
            if (groups.phones)
                ruleTel(value, afterSecondColon, hasSecondColon);
        }
    }

    void dispatchAllFields(View head, View headName, View value, View fullValue, View afterSecondColon,
                           bool hasSecondColon)
    {
        if (isName(headName, "N")) {
            ruleN(value);
            return;
        }
        for (const std::string_view plain : {"FN", "ORG", "BDAY", "NICKNAME", "TITLE", "ROLE"}) {
            if (isName(headName, plain)) {
                appendWithoutCR(trimSpaces(value));
                return;
            }
        }
        // CHARSET and ENCODING dropped by the decoding still count as parameters here.
        if (head.find(Ch(';')) == View::npos && !m_hadEncodingParameters)
            return;
        const View base = baseName(headName);
        if (isName(base, "EMAIL"))
            appendWithoutCR(value);
        else if (isName(base, "N"))
            ruleN(value);
        else if (isName(base, "URL"))
            appendWithoutCR(fullValue);
        else if (isName(base, "NOTE"))
            appendNote(fullValue);
        else if (isName(base, "ADR"))
            ruleAdr(head, value);
        else if (isName(base, "TEL"))
            ruleTel(value, afterSecondColon, hasSecondColon);
    }

    const ConversionChoice& m_choice;
    bool m_hadEncodingParameters = false; // of the line being visited, when decoding
    Text m_output;
    Text m_scratch;
    qsizetype m_valueCount = 0;
};

void reportAssembly(qsizetype valueCount, const AssemblyProgress& progress)
{
    if (!progress)
        return;
    for (qsizetype position = 0; position < valueCount; ++position)
        progress(position, valueCount - 1);
}

// Whether a piece may end with the line that ends at the line feed `newline`: the next line
// starts a logical line of its own however the lines are decoded. It is not a folded continuation
// (blank or tab first), and the line before it (without one CR) cannot end a joined line in a
// quoted-printable soft break: it is not empty, not a lone blank or tab (a continuation that adds
// nothing), and does not end in "=".
template <typename Ch>
bool piecesMayMeetAfter(std::basic_string_view<Ch> text, size_t lineStart, size_t newline)
{
    const Ch next = text[newline + 1];
    if (next == Ch(' ') || next == Ch('\t'))
        return false;
    size_t end = newline;
    if (end > lineStart && text[end - 1] == Ch('\r'))
        --end;
    if (end == lineStart || text[end - 1] == Ch('='))
        return false;
    return !(end - lineStart == 1 && (text[lineStart] == Ch(' ') || text[lineStart] == Ch('\t')));
}

// Where the piece that begins at `from` ends: just after the first line feed at least `units` code
// units on where the next piece may begin (see piecesMayMeetAfter), or at the end of the text.
template <typename Ch>
size_t pieceEnd(std::basic_string_view<Ch> text, size_t from, size_t units)
{
    if (units >= text.size() - from)
        return text.size();
    size_t lineStart = from;
    size_t newline = text.find(Ch('\n'), from);
    while (newline != std::basic_string_view<Ch>::npos && newline + 1 < text.size()) {
        if (newline + 1 - from >= units && piecesMayMeetAfter(text, lineStart, newline))
            return newline + 1;
        lineStart = newline + 1;
        newline = text.find(Ch('\n'), lineStart);
    }
    return text.size();
}

// One converted piece as text: the last loses the final CR LF before decoding, the others after,
// as the whole text loses only its last.
template <typename Ch, typename Decode>
QString pieceText(Conversion<Ch>& conversion, bool last, const AssemblyProgress& progress, Decode&& decode)
{
    const auto output = conversion.takeOutput();
    if (last) {
        const size_t kept = output.empty() ? 0 : output.size() - 2;
        QString piece = decode(std::basic_string_view<Ch>(output.data(), kept));
        reportAssembly(conversion.valueCount(), progress);
        return piece;
    }
    QString piece = decode(std::basic_string_view<Ch>(output));
    piece.chop(piece.isEmpty() ? 0 : 2);
    return piece;
}

// Converts a text piece by piece: decode(units) turns the output of one piece into text.
template <typename Ch, typename Decode>
void convertPieces(std::basic_string_view<Ch> text, const ConversionChoice& choice, qsizetype pieceUnits,
                   const ConvertedPieceSink& takePiece, const AssemblyProgress& progress, Decode&& decode)
{
    Conversion<Ch> conversion(choice);
    const size_t units = size_t(std::max<qsizetype>(pieceUnits, 1));
    conversion.reserve(std::min(units, text.size()) / 4);
    size_t from = 0;
    for (;;) {
        const size_t end = pieceEnd(text, from, units);
        conversion.convertLines(text.substr(from, end - from));
        const bool last = end == text.size();
        if (!takePiece(pieceText(conversion, last, progress, decode), last) || last)
            return;
        from = end;
    }
}

// owned: the bytes behind fileBytes when nothing else needs them, emptied once decoded to 16-bit text.
void convertBytesInPieces(QByteArrayView fileBytes, QByteArray* owned, const ConversionChoice& choice,
                          qsizetype pieceBytes, const ConvertedPieceSink& takePiece, const AssemblyProgress& progress)
{
    const TextEncoding encoding = detectVcfEncoding(fileBytes);
    // Decoded values are written back into the text being converted: a Windows-1252 file is then
    // converted as 16-bit text, so that a value in any character set keeps every character.
    const bool sixteenBit = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE ||
                            (choice.decodeLines && encoding == TextEncoding::Windows1252);
    if (sixteenBit) {
        const QString text = decodeText(fileBytes, encoding);
        if (owned)
            *owned = QByteArray(); // fileBytes is not read again
        const qsizetype pieceUnits = encoding == TextEncoding::Windows1252 ? pieceBytes : pieceBytes / 2;
        convertPieces(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())),
                      choice, pieceUnits, takePiece, progress, [](std::u16string_view out) {
                          return QString(reinterpret_cast<const QChar*>(out.data()), qsizetype(out.size()));
                      });
        return;
    }
    convertPieces(std::string_view(fileBytes.data(), size_t(fileBytes.size())), choice, pieceBytes, takePiece,
                  progress, [encoding](std::string_view out) {
                      const QByteArrayView converted(out.data(), qsizetype(out.size()));
                      return encoding == TextEncoding::Utf8 ? decodeUtf8KeepingBom(converted)
                                                            : decodeWindows1252(converted);
                  });
}

} // namespace

void convertVcfStreamInPieces(TextEncoding encoding, const MoreFileBytes& more, const ConversionChoice& choice,
                              qsizetype pieceBytes, const ConvertedPieceSink& takePiece,
                              const AssemblyProgress& progress)
{
    Conversion<char> conversion(choice);
    const size_t units = size_t(std::max<qsizetype>(pieceBytes, 1));
    conversion.reserve(units / 4);
    const auto decode = [encoding](std::string_view out) {
        const QByteArrayView converted(out.data(), qsizetype(out.size()));
        return encoding == TextEncoding::Utf8 ? decodeUtf8KeepingBom(converted) : decodeWindows1252(converted);
    };
    QByteArray buffer;
    size_t from = 0; // where the next piece begins in buffer
    bool atEnd = false;
    for (;;) {
        size_t end = 0;
        for (;;) {
            end = pieceEnd(std::string_view(buffer.constData(), size_t(buffer.size())), from, units);
            // Short of the end of what has been read, the cut is the one the whole file would give;
            // at it, more of the file may hold an earlier one.
            if (end < size_t(buffer.size()) || atEnd)
                break;
            buffer.remove(0, qsizetype(from));
            end -= from;
            from = 0;
            atEnd = !more(buffer);
        }
        conversion.convertLines(std::string_view(buffer.constData() + from, end - from));
        const bool last = end == size_t(buffer.size());
        if (!takePiece(pieceText(conversion, last, progress, decode), last) || last)
            return;
        from = end;
    }
}

void convertVcfBytesInPieces(QByteArrayView fileBytes, const ConversionChoice& choice, qsizetype pieceBytes,
                             const ConvertedPieceSink& takePiece, const AssemblyProgress& progress)
{
    convertBytesInPieces(fileBytes, nullptr, choice, pieceBytes, takePiece, progress);
}

void convertVcfBytesInPieces(QByteArray&& fileBytes, const ConversionChoice& choice, qsizetype pieceBytes,
                             const ConvertedPieceSink& takePiece, const AssemblyProgress& progress)
{
    QByteArray owned = std::move(fileBytes);
    convertBytesInPieces(owned, &owned, choice, pieceBytes, takePiece, progress);
}

QString convertVcfBytes(QByteArrayView fileBytes, const ConversionChoice& choice, const AssemblyProgress& progress)
{
    QString converted;
    convertVcfBytesInPieces(
        fileBytes, choice, std::numeric_limits<qsizetype>::max(),
        [&converted](QString piece, bool) {
            converted = std::move(piece);
            return true;
        },
        progress);
    return converted;
}

} // namespace cardisto
