// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/VcfConverter.h"
#include "conversion/VcfTextForm.h"
#include "extraction/FileConversionWorker.h"
#include "support/RecordingErrorReporter.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace cardisto;

namespace {

QByteArray joinLines(const QStringList& lines, const char* lineEnd)
{
    return lines.join(QString::fromLatin1(lineEnd)).toUtf8();
}

QString values(const QStringList& list)
{
    return list.join(QStringLiteral("\r\n"));
}

// The conversion cut at every line where a piece may end: the pieces that are not empty, joined.
// It is given bytes of its own, as a file read for it, which it may free once decoded.
QString convertedInPieces(const QByteArray& bytes, const ConversionChoice& choice)
{
    QStringList pieces;
    bool lastSeen = false;
    QByteArray owned(bytes.constData(), bytes.size());
    convertVcfBytesInPieces(std::move(owned), choice, 1, [&](ConvertedPiece piece) {
        if (lastSeen)
            QTest::qFail("a piece after the last", __FILE__, __LINE__);
        lastSeen = piece.last;
        if (!piece.text.isEmpty())
            pieces.append(piece.text);
        return true;
    });
    if (!lastSeen)
        QTest::qFail("no last piece", __FILE__, __LINE__);
    // An 8-bit file read a few bytes at a time gives the very same pieces.
    const TextEncoding encoding = detectVcfEncoding(bytes);
    if (encoding == TextEncoding::Utf8 || (encoding == TextEncoding::Windows1252 && !choice.decodeLines)) {
        QStringList streamed;
        qsizetype read = 0;
        const auto more = [&](QByteArray& to) {
            to.append(bytes.mid(read, 7));
            read += 7;
            return read - 7 < bytes.size();
        };
        convertVcfStreamInPieces(encoding, more, choice, 1, [&](ConvertedPiece piece) {
            if (!piece.text.isEmpty())
                streamed.append(piece.text);
            return true;
        });
        if (streamed != pieces)
            QTest::qFail("the file read a part at a time gave other pieces", __FILE__, __LINE__);
    }
    return values(pieces);
}

// The conversion as a run gets it: the bytes written to a file that the worker reads and converts
// on its own thread, cut at every line where a piece may end.
QString convertedThroughWorker(const QByteArray& bytes, const ConversionChoice& choice)
{
    const QTemporaryDir dir;
    const QString path = test::writeFile(dir.filePath(QStringLiteral("row.vcf")), bytes);
    FileConversionWorker worker(true, 1);
    worker.startTurn(0, path, choice);
    test::RecordingErrorReporter reporter;
    QStringList pieces;
    for (;;) {
        while (!worker.waitForPiece(std::chrono::milliseconds(100))) {
        }
        const std::optional<ConvertedFile> piece = worker.takePiece(reporter);
        if (!piece)
            break;
        if (!piece->text.isEmpty())
            pieces.append(piece->text);
    }
    if (!reporter.reports.isEmpty())
        QTest::qFail("the worker reported a failure", __FILE__, __LINE__);
    return values(pieces);
}

// Every way a run converts a file gives the expected text.
void compareEveryWay(const QByteArray& bytes, const ConversionChoice& choice, const QString& expected)
{
    QCOMPARE(convertVcfBytes(bytes, choice), expected);
    QCOMPARE(convertedInPieces(bytes, choice), expected);
    QCOMPARE(convertedThroughWorker(bytes, choice), expected);
}

QByteArray utf16(const QString& text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

QByteArray crlf(const QStringList& lines)
{
    return joinLines(lines, "\r\n");
}

// The field groups of a table row (bits as in someFields; -1 for All Fields).
ConversionChoice choiceFor(int groups)
{
    if (groups < 0)
        return ConversionChoice::allFields();
    return ConversionChoice::someFields({bool(groups & 1), bool(groups & 2), bool(groups & 4), bool(groups & 8)});
}

// The columns of the decoding tables: a file, the field groups (bits as in someFields; -1 for All
// Fields), the converted text with "Read vCards as the standard defines them" and without it.
void addDecodingColumns()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("groups");
    QTest::addColumn<QString>("decoded");
    QTest::addColumn<QString>("plain");
}

void checkDecoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, groups);
    QFETCH(QString, decoded);
    QFETCH(QString, plain);
    ConversionChoice choice = choiceFor(groups);
    compareEveryWay(bytes, choice, plain);
    choice.decodeLines = true;
    compareEveryWay(bytes, choice, decoded);
}

const QStringList kWorkedExample = {"BEGIN:VCARD",
                                    "VERSION:3.0",
                                    "N:Doe;John;;;",
                                    "FN:John Doe",
                                    "EMAIL;TYPE=INTERNET:john.doe@example.com",
                                    "TEL;TYPE=CELL:555 0100",
                                    "END:VCARD"};

} // namespace

class TestVcfConversion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void someFields_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("lineEnd");
        QTest::addColumn<int>("groups"); // bits: 1 emails, 2 phones, 4 names, 8 addresses
        QTest::addColumn<QString>("expected");

        QTest::newRow("worked example") << kWorkedExample << "\r\n" << (1 | 2 | 4)
                                        << values({"Doe", "John", "john.doe@example.com", "555 0100"});
        QTest::newRow("no group ticked") << kWorkedExample << "\r\n" << 0 << "";
        QTest::newRow("names only") << kWorkedExample << "\n" << 4 << values({"Doe", "John"});
        QTest::newRow("family name alone") << QStringList{"N:Doe"} << "\r\n" << 4 << "Doe";
        QTest::newRow("name with parameter") << QStringList{"N;CHARSET=UTF-8:Doe;John"} << "\r\n" << 4
                                             << values({"Doe", "John"});
        QTest::newRow("given name last on crlf line keeps its blank")
            << QStringList{"N:Doe;John ", ""} << "\r\n" << 4 << values({"Doe", "John "});
        QTest::newRow("given name before more components loses its blank")
            << QStringList{"N:Doe;John ;;", ""} << "\r\n" << 4 << values({"Doe", "John"});
        QTest::newRow("empty name") << QStringList{"N:", "N:  "} << "\r\n" << 4 << "";
        QTest::newRow("email with and without parameters, any case")
            << QStringList{"EMAIL:a@example.com", "email;type=INTERNET:b@example.com", "Email:c@example.com"} << "\r\n"
            << 1 << values({"a@example.com", "b@example.com", "c@example.com"});
        QTest::newRow("email keeps blanks around text") << QStringList{"EMAIL: a@example.com "} << "\n" << 1
                                                        << " a@example.com ";
        QTest::newRow("value of blanks only is dropped") << QStringList{"EMAIL:   ", "EMAIL:x"} << "\r\n" << 1 << "x";
        QTest::newRow("every telephone alike")
            << QStringList{"TEL;WORK;FAX:1", "TEL;TYPE=PAGER:2", "TEL:3", "TEL;CELL;PREF:4"} << "\r\n" << 2
            << values({"1", "2", "3", "4"});
        QTest::newRow("telephone uri gives the number")
            << QStringList{"TEL;VALUE=uri:tel:+1-555-0100", "TEL;VALUE=uri;TYPE=cell:TEL:+1-555-0101;ext=7", ""}
            << "\r\n" << 2 << values({"+1-555-0100", "+1-555-0101;ext=7"});
        QTest::newRow("telephone uri with a further colon is dropped")
            << QStringList{"TEL;VALUE=uri:tel:+1:2"} << "\r\n" << 2 << "";
        QTest::newRow("text tel without a second colon stays")
            << QStringList{"TEL:tel", "TEL:telephone:5"} << "\r\n" << 2 << values({"tel", "telephone"});
        QTest::newRow("work address") << QStringList{"ADR;TYPE=WORK:;;Street;Town;Region;Code;Country", ""} << "\r\n"
                                      << 8 << values({"Street", "Town", "Region", "Code", "Country\r"});
        QTest::newRow("work address, lf") << QStringList{"ADR;TYPE=WORK:;;Street;Town;Region;Code;Country"} << "\n"
                                          << 8 << values({"Street", "Town", "Region", "Code", "Country"});
        QTest::newRow("home address with suite")
            << QStringList{"ADR;TYPE=HOME:;Suite;Street;Town;Region;Code;Country"} << "\n" << 8
            << values({"Suite", "Street", "Town", "Region", "Code", "Country"});
        QTest::newRow("home address without suite")
            << QStringList{"ADR;TYPE=HOME:;;Street;Town;Region;Code;Country"} << "\n" << 8
            << values({"Street", "Town", "Region", "Code", "Country"});
        QTest::newRow("eighth component only for work")
            << QStringList{"ADR;WORK:;;S;T;R;C;Land;Extra", "ADR;HOME:;;S;T;R;C;Land;Extra"} << "\n" << 8
            << values({"S", "T", "R", "C", "Land", "Extra", "S", "T", "R", "C", "Land"});
        QTest::newRow("work is found anywhere in the head, any case")
            << QStringList{"adr;type=Work,postal:;;S;T"} << "\n" << 8 << values({"S", "T"});
        QTest::newRow("home address needs three components") << QStringList{"ADR:;x"} << "\n" << 8 << "";
        QTest::newRow("address cleaning")
            << QStringList{"ADR;WORK:;;Line1\\nLine2=0D=0A;Town\\n;Re\\ngion"} << "\n" << 8
            << values({"Line1 Line2 =0A", "Town ", "Re\\ngion"});
        QTest::newRow("other properties yield nothing")
            << QStringList{"ORG:Acme", "FN:John", "TITLE:Boss", "NOTE:hi", "URL;WORK:x.example"} << "\r\n"
            << (1 | 2 | 4 | 8) << "";
        QTest::newRow("group prefix yields nothing") << QStringList{"item1.EMAIL;type=INTERNET:a@example.com"} << "\r\n"
                                                     << 1 << "";
        QTest::newRow("empty head is ignored") << QStringList{"  :x", ":y"} << "\n" << 15 << "";
        QTest::newRow("continuation lines are ignored")
            << QStringList{"EMAIL:a@example.com", " continued", "=20more"} << "\r\n" << 1 << "a@example.com";
        QTest::newRow("value ends at the second colon") << QStringList{"EMAIL:mailto:a@example.com"} << "\n" << 1
                                                        << "mailto";
        QTest::newRow("two contacts follow each other")
            << QStringList{"BEGIN:VCARD", "EMAIL:a@example.com", "END:VCARD", "BEGIN:VCARD", "EMAIL:b@example.com",
                           "END:VCARD"}
            << "\r\n" << 1 << values({"a@example.com", "b@example.com"});
        QTest::newRow("cr alone is one line") << kWorkedExample << "\r" << 15 << "";
    }

    void someFields()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, lineEnd);
        QFETCH(int, groups);
        QFETCH(QString, expected);
        const FieldGroups chosen{bool(groups & 1), bool(groups & 2), bool(groups & 4), bool(groups & 8)};
        const QByteArray bytes = joinLines(lines, qPrintable(lineEnd));
        compareEveryWay(bytes, ConversionChoice::someFields(chosen), expected);
    }

    void allFields_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("lineEnd");
        QTest::addColumn<QString>("expected");

        QTest::newRow("worked example") << kWorkedExample << "\r\n"
                                        << values({"Doe", "John", "John Doe", "john.doe@example.com", "555 0100"});
        QTest::newRow("email needs a parameter")
            << QStringList{"EMAIL:a@example.com", "EMAIL;TYPE=INTERNET:b@example.com"} << "\r\n" << "b@example.com";
        QTest::newRow("organisation is one value") << QStringList{"ORG:Company;Department", ""} << "\r\n"
                                                   << "Company;Department";
        QTest::newRow("plain names must carry no parameter")
            << QStringList{"ORG;CHARSET=UTF-8:Acme", "FN;CHARSET=UTF-8:John", "TITLE;LANGUAGE=en:Boss"} << "\r\n" << "";
        // Trimmed before the CR goes, so a blank before a CR LF line end stays.
        QTest::newRow("plain names trimmed")
            << QStringList{"FN: John Doe ", "NICKNAME: Jo", "ROLE:Lead", "TITLE:Boss", "BDAY:1990-01-01", ""} << "\r\n"
            << values({"John Doe ", "Jo", "Lead", "Boss", "1990-01-01"});
        QTest::newRow("plain names trimmed, lf") << QStringList{"FN: John Doe "} << "\n" << "John Doe";
        QTest::newRow("birthday with time is cut") << QStringList{"BDAY:1990-01-01T10:30:00"} << "\n" << "1990-01-01T10";
        QTest::newRow("website without scheme")
            << QStringList{"URL;TYPE=WORK:www.example.com", "URL;TYPE=WORK:http://www.example.com", "URL:www.example.org", ""}
            << "\r\n" << "www.example.com";
        QTest::newRow("quoted-printable note")
            << QStringList{"NOTE;ENCODING=QUOTED-PRINTABLE:Hello=0D=0A=", "World", "EMAIL;X:a@example.com", ""} << "\r\n"
            << QString("Hello\r\n\r\r\na@example.com");
        QTest::newRow("note is trimmed") << QStringList{"NOTE;X=1: a note "} << "\n" << "a note";
        QTest::newRow("note with a colon is dropped") << QStringList{"NOTE;X=1:see: here"} << "\n" << "";
        QTest::newRow("parameterless email, phone, address, url, note are not taken")
            << QStringList{"EMAIL:a@example.com", "TEL:1", "ADR:;;S;T", "URL:x.example", "NOTE:n"} << "\n" << "";
        QTest::newRow("phone and address with parameters")
            << QStringList{"TEL;CELL:1", "ADR;HOME:;;S;T", "TEL;VALUE=uri:tel:+1-555-0100"} << "\n"
            << values({"1", "S", "T", "+1-555-0100"});
        QTest::newRow("name with parameter") << QStringList{"N;CHARSET=UTF-8:Doe;John"} << "\n" << values({"Doe", "John"});
        QTest::newRow("a note ending in its line break ends the text with it")
            << QStringList{"NOTE;ENCODING=QUOTED-PRINTABLE:Hi=0D=0A="} << "\n" << "Hi\r\n";
    }

    void allFields()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, lineEnd);
        QFETCH(QString, expected);
        const QByteArray bytes = joinLines(lines, qPrintable(lineEnd));
        compareEveryWay(bytes, ConversionChoice::allFields(), expected);
        // The field groups have no effect in this mode.
        ConversionChoice withGroups = ConversionChoice::allFields();
        withGroups.groups = FieldGroups::all();
        QCOMPARE(convertVcfBytes(bytes, withGroups), expected);
    }

    void crlfAndLfAgreeWhereCrIsRemoved()
    {
        const auto choice = ConversionChoice::someFields({true, true, true, false});
        QCOMPARE(convertVcfBytes(joinLines(kWorkedExample, "\r\n"), choice),
                 convertVcfBytes(joinLines(kWorkedExample, "\n"), choice));
    }

    void emptyInput_givesEmptyText()
    {
        QCOMPARE(convertVcfBytes(QByteArray(), ConversionChoice::allFields()), QString());
        QCOMPARE(convertVcfBytes(QByteArray("empty file"), ConversionChoice::allFields()), QString());
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QString unicodeCard = QString::fromUtf8("BEGIN:VCARD\r\nN:Müller;Jürgen\r\nEMAIL;X:jü@example.com\r\n");
        const QString unicodeValues = QString::fromUtf8("Müller\r\nJürgen\r\njü@example.com");
        QTest::newRow("utf-8") << unicodeCard.toUtf8() << unicodeValues;
        QTest::newRow("windows-1252") << unicodeCard.toLatin1() << unicodeValues;
        QTest::newRow("windows-1252 euro sign") << QByteArray("N:\x80uro") << QString::fromUtf8("€uro");
        QTest::newRow("utf-16le") << utf16(unicodeCard, false) << unicodeValues;
        QTest::newRow("utf-16be") << utf16(unicodeCard, true) << unicodeValues;
        QTest::newRow("utf-16le odd trailing byte") << utf16(unicodeCard, false) + 'X' << unicodeValues;
        QTest::newRow("utf-16le bom in front of the first head")
            << utf16("N:Doe\r\nN:Roe", false) << QStringLiteral("Roe");
        QTest::newRow("utf-8 bom in front of the first head") << QByteArray("\xEF\xBB\xBFN:Doe\r\nN:Roe") << "Roe";
        QTest::newRow("utf-8 bom inside a value is kept")
            << QByteArray("N:\xEF\xBB\xBF" "Doe") << QChar(0xFEFF) + QStringLiteral("Doe");
        QTest::newRow("lone utf-16 bom") << QByteArray("\xFF\xFE") << QString();
        QTest::newRow("invalid utf-8 falls back to windows-1252")
            << QByteArray("N:Stra\xDF" "e;\xC3\xA4") << QString::fromUtf8("Straße\r\nÃ¤");
    }

    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        compareEveryWay(bytes, ConversionChoice::allFields(), expected);
    }

    // "Read vCards as the standard defines them", rule by rule: each row also converted without the option,
    // which must keep the line rules' result. Lines: line ends, folding, soft breaks, group prefixes.
    void decodeLines_data()
    {
        addDecodingColumns();
        QTest::newRow("folded line") << crlf({"EMAIL;TYPE=INTERNET:john.doe@exa", " mple.com", ""}) << 1
                                     << "john.doe@example.com" << "john.doe@exa";
        QTest::newRow("folded with a tab, lf") << joinLines({"FN:John", "\tDoe", "N:Doe"}, "\n") << -1
                                               << values({"JohnDoe", "Doe"}) << values({"John", "Doe"});
        QTest::newRow("folded head") << crlf({"EMA", " IL;TYPE=INTERNET:a@example.com"}) << -1 << "a@example.com" << "";
        QTest::newRow("cr alone ends a line") << joinLines(kWorkedExample, "\r") << 7
                                              << values({"Doe", "John", "john.doe@example.com", "555 0100"}) << "";
        QTest::newRow("cr alone, folded") << QByteArray("FN:Jo\r hn\rEMAIL:a@x") << -1 << values({"John", "a@x"})
                                          << "Jo hnEMAIL";
        QTest::newRow("mixed line ends") << QByteArray("N:Doe;Ann\rEMAIL:a@x\nTEL:1\r\n") << 7
                                         << values({"Doe", "Ann", "a@x", "1"}) << values({"Doe", "AnnEMAIL", "1"});
        QTest::newRow("cr cr lf is one line end, as iOS writes it")
            << QByteArray("FN:Ann \r\r\n Lee\r\r\nTEL;X:1\r\r\n") << -1 << values({"Ann Lee", "1"}) << "Ann \r\n1";
        QTest::newRow("cr cr lf before a soft break's next line")
            << QByteArray("FN;QUOTED-PRINTABLE:A=\r\r\nB\r\nTEL;X:1\r\n") << -1 << values({"AB", "1"}) << "1";
        QTest::newRow("group prefix dropped")
            << crlf({"item1.EMAIL;type=INTERNET:a@example.com", "item2.TEL:555", "item1.X-ABLabel:x"}) << 3
            << values({"a@example.com", "555"}) << "";
        QTest::newRow("long group and head; one group, of letters, digits and dashes, goes")
            << crlf({"contact-group-12.EMAIL;TYPE=INTERNET;TYPE=HOME:a@x", "a-b.c.TEL;TYPE=x:1", "bad_group.TEL;X:2"})
            << 3 << "a@x" << "";
        QTest::newRow("android soft break inside a character")
            << crlf({"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E5=BC=A0=", "=E4=B8=89;;;", "END:VCARD"}) << 4
            << QString::fromUtf8("张三") << "=E5=BC=A0=";
        QTest::newRow("soft break inside an =XX code")
            << joinLines({"NOTE;ENCODING=QUOTED-PRINTABLE:caf=C=", "3=A9 ok"}, "\n") << -1 << QString::fromUtf8("café ok")
            << "caf=C=";
        QTest::newRow("soft break joins the next line whatever it starts with")
            << crlf({"FN;QUOTED-PRINTABLE:Ann=", " Lee=", "-Smith", "EMAIL;X:a@example.com"}) << -1
            << values({"Ann Lee-Smith", "a@example.com"}) << "a@example.com";
        QTest::newRow("soft break only in quoted-printable")
            << crlf({"EMAIL;X:a@example.com=", "TEL;X:1"}) << -1 << values({"a@example.com=", "1"})
            << values({"a@example.com=", "1"});
        QTest::newRow("final soft break") << crlf({"FN;QUOTED-PRINTABLE:Ann="}) << -1 << "Ann" << "";
        QTest::newRow("utf-16 file") << utf16("BEGIN:VCARD\r\nEMAIL;TYPE=INTERNET:a@exa\r\n mple.com\r\nitem1.TEL:5", false) << 3
                                     << values({"a@example.com", "5"}) << "a@exa";
        QTest::newRow("utf-8 bom in front of the first head goes")
            << QByteArray("\xEF\xBB\xBFN:Doe\r\nN:Roe") << 4 << values({"Doe", "Roe"}) << "Roe";
        // Lines after which a piece must not end: the logical line goes on past them.
        QTest::newRow("soft break, then a lone blank")
            << crlf({"FN;QUOTED-PRINTABLE:Ann=", " ", "Lee", "TEL;X:1"}) << -1 << "Ann\r\n1" << "1";
        QTest::newRow("soft break, then an empty line, then a soft break's equals sign")
            << joinLines({"FN;QUOTED-PRINTABLE:A==", "", "B", "TEL;X:1"}, "\n") << -1 << values({"AB", "1"}) << "1";
        QTest::newRow("soft break, then a lone tab")
            << joinLines({"NOTE;QUOTED-PRINTABLE;X:a=", "\t", "b=", "c", "EMAIL;X:e"}, "\n") << -1
            << values({"a\t", "e"}) << values({"a=", "e"});
        QTest::newRow("plain lines alike") << crlf(kWorkedExample) << 7
                                           << values({"Doe", "John", "john.doe@example.com", "555 0100"})
                                           << values({"Doe", "John", "john.doe@example.com", "555 0100"});
    }
    void decodeLines() { checkDecoding(); }

    // Properties: the value starts at the first colon outside quotes; names and parameters in any case.
    void decodeProperties_data()
    {
        addDecodingColumns();
        QTest::newRow("colon inside a quoted parameter")
            << crlf({"ADR;GEO=\"geo:51.52,0.15\";LABEL=\"221B Baker St\":;;221B Baker Street;London;;NW1;UK"}) << 8
            << values({"221B Baker Street", "London", "NW1", "UK"}) << "";
        QTest::newRow("semicolon and colon inside a quoted parameter")
            << crlf({"EMAIL;X-LABEL=\"a;b:c\":x@example.com"}) << 1 << "x@example.com" << "c\"";
        QTest::newRow("a quote never closed is an ordinary character")
            << crlf({"EMAIL;X=\"a:b@example.com"}) << 1 << "b@example.com" << "b@example.com";
        QTest::newRow("names and parameter names in any case")
            << crlf({"eMail;Type=home:a@x", "tel;cell;home:1", "n;charset=utf-8;encoding=quoted-printable:M=C3=BCller",
                     "fn; Charset=UTF-8:Ann"})
            << -1 << QString::fromUtf8("a@x\r\n1\r\nMüller\r\nAnn") << values({"a@x", "1", "M=C3=BCller"});
        QTest::newRow("charset and encoding leave the parameters")
            << crlf({"ORG;CHARSET=UTF-8:Acme", "NOTE;TYPE=x;ENCODING=QUOTED-PRINTABLE:Hello=0D=0AWorld"}) << -1
            << values({"Acme", "Hello", "World"}) << "Hello=0D=0AWorld";
        QTest::newRow("base64 is never text")
            << joinLines({"NOTE;ENCODING=b:SGVsbG8=", "NOTE;BASE64:SGk=", " SGk=", "NOTE;X:n"}, "\n") << -1 << "n"
            << values({"SGVsbG8=", "SGk=", "n"});
    }
    void decodeProperties() { checkDecoding(); }

    // Values: quoted-printable, character sets and escapes; bytes are read before escapes.
    void decodeValues_data()
    {
        addDecodingColumns();
        QTest::newRow("quoted-printable name by its charset")
            << crlf({"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=c3=bcrgen;;;", ""}) << 4
            << QString::fromUtf8("Müller\r\nJürgen") << values({"M=C3=BCller", "J=c3=bcrgen"});
        QTest::newRow("quoted-printable display name in iso-8859-1")
            << crlf({"FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Fran=E7ois"}) << -1 << QString::fromUtf8("François")
            << "";
        QTest::newRow("equals sign without two hex digits stays")
            << crlf({"FN;QUOTED-PRINTABLE:a=zz=41=4", "N;ENCODING=QUOTED-PRINTABLE:=3DDoe"}) << -1
            << values({"a=zzA=4", "=Doe"}) << "=3DDoe";
        QTest::newRow("no charset: utf-8 bytes") << crlf({"FN;ENCODING=QUOTED-PRINTABLE:M=C3=BCller"}) << -1
                                                 << QString::fromUtf8("Müller") << "";
        QTest::newRow("unknown charset: windows-1252 bytes")
            << crlf({"FN;CHARSET=X-NO-SUCH;QUOTED-PRINTABLE:Fran=E7ois"}) << -1 << QString::fromUtf8("François") << "";
        // Qt decodes it through ICU on Linux, the program through the Windows code page on Windows.
        QTest::newRow("charset known to the decoder")
            << crlf({"FN;CHARSET=Shift_JIS;QUOTED-PRINTABLE:=93=FA=96=7B"}) << -1 << QString::fromUtf8("日本") << "";
        QTest::newRow("decoded value beyond windows-1252 in a windows-1252 file")
            << QByteArray("FN:Jos\xe9\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E7=8E=8B;Wei\r\n") << -1
            << QString::fromUtf8("José\r\n王\r\nWei") << QString::fromUtf8("José\r\n=E7=8E=8B\r\nWei");
        // Also where the value begins a piece of its own: decoding the piece must not drop it.
        QTest::newRow("value beginning with U+FEFF keeps it")
            << crlf({"FN:Ann", "FN;ENCODING=QUOTED-PRINTABLE:=EF=BB=BFBo"}) << -1
            << QString::fromUtf8("Ann\r\n\xEF\xBB\xBF" "Bo") << "Ann";
        QTest::newRow("raw shift_jis by its charset; its byte 0x5C is no backslash")
            << QByteArray("N;CHARSET=SHIFT_JIS:\x88\xC0\x93\xA1;\x95\x5C\r\n") << 4 << QString::fromUtf8("安藤\r\n表")
            << QString::fromUtf8("ˆÀ“¡\r\n•\\");
        QTest::newRow("raw utf-8 named by its charset in a windows-1252 file")
            << QByteArray("FN:Jos\xe9\r\nN;CHARSET=UTF-8:\xC3\x91" "and\xC3\xBA;Ana\r\n") << -1
            << QString::fromUtf8("José\r\nÑandú\r\nAna") << QString::fromUtf8("José\r\nÃ‘andÃº\r\nAna");
        QTest::newRow("raw iso-8859-1 named by its charset in a utf-8 file")
            << QByteArray("N:M\xC3\xBCller\r\nFN;CHARSET=ISO-8859-1:Fran\xE7ois\r\n") << -1
            << QString::fromUtf8("Müller\r\nFrançois") << QString::fromUtf8("MÃ¼ller");
        QTest::newRow("a stray byte in a value named utf-8 keeps the rest")
            << crlf({"ORG;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=91=80x", "FN;CHARSET=UTF-8:\xC3\x91"}) << -1
            << QString::fromUtf8("Ñ€x\r\nÑ") << "";
        QTest::newRow("a fold that cuts a utf-8 character")
            << QByteArray("FN:M\xC3\r\n \xBCller\r\nN:Gr\xC3\xBC\xC3\x9F") << -1 << QString::fromUtf8("Müller\r\nGrüß")
            << QString::fromUtf8("MÃ\r\nGrÃ¼ÃŸ");
        QTest::newRow("unknown charset on raw bytes: the file's encoding")
            << QByteArray("FN;CHARSET=X-NONE:Jos\xC3\xA9") << -1 << QString::fromUtf8("José") << "";
        QTest::newRow("escaped comma in an address")
            << crlf({"ADR;type=HOME:;;Silicon Alley 5\\,;New York;NY;10001;USA"}) << 8
            << values({"Silicon Alley 5,", "New York", "NY", "10001", "USA"})
            << values({"Silicon Alley 5\\,", "New York", "NY", "10001", "USA"});
        QTest::newRow("escaped semicolons inside a name")
            << crlf({"N:First \\; special \\;;Given"}) << 4 << values({"First ; special ;", "Given"})
            << values({"First \\", "special \\"});
        QTest::newRow("escaped colon in a grouped website")
            << crlf({"item1.URL;type=pref:http\\://www.example.com"}) << -1 << "http://www.example.com" << "";
        QTest::newRow("escaped backslash, and a backslash before another letter")
            << crlf({"FN:Ann\\tLee", "NICKNAME:a\\\\nb"}) << -1 << values({"Ann\\tLee", "a\\nb"})
            << values({"Ann\\tLee", "a\\\\nb"});
        QTest::newRow("organisation: escapes read, empty components at its end left out")
            << crlf({"ORG:AT\\;T;Sales;;"}) << -1 << "AT;T;Sales" << "AT\\;T;Sales;;";
    }
    void decodeValues() { checkDecoding(); }

    // Line breaks inside a value: one blank, but a note gives a line each.
    void decodeLineBreaks_data()
    {
        addDecodingColumns();
        QTest::newRow("quoted-printable line break in an address")
            << crlf({"ADR;HOME;ENCODING=QUOTED-PRINTABLE:;;Address Line 2=0D=0AAddress Line 3;Town;;12345;"}) << 8
            << values({"Address Line 2 Address Line 3", "Town", "12345"})
            << values({"Address Line 2 =0AAddress Line 3", "Town", "12345"});
        QTest::newRow("escaped and decoded line breaks in a name, an e-mail and a phone")
            << crlf({"N:Doe\\nJr;Ann", "EMAIL:a@x\\n", "TEL;ENCODING=QUOTED-PRINTABLE:555=0A0100"}) << 7
            << values({"Doe Jr", "Ann", "a@x ", "555 0100"}) << values({"Doe\\nJr", "Ann", "a@x\\n", "555=0A0100"});
        QTest::newRow("a note gives a line for each of its lines")
            << crlf({"NOTE;ENCODING=QUOTED-PRINTABLE:Hello=0D=0AWorld=0D=0A=0D=0A  Bye "}) << -1
            << values({"Hello", "World", "Bye"}) << "Hello=0D=0AWorld\r\n0D=0A  Bye";
        QTest::newRow("escaped line breaks in a note")
            << crlf({"NOTE:one\\ntwo\\Nthree"}) << -1 << values({"one", "two", "three"}) << "";
    }
    void decodeLineBreaks() { checkDecoding(); }

    // Every field, whole: with or without parameters, and nothing dropped or cut for a colon.
    void decodeEveryField_data()
    {
        addDecodingColumns();
        QTest::newRow("every field with or without parameters")
            << crlf({"FN;CHARSET=UTF-8:Ann Lee", "ORG;CHARSET=UTF-8:Acme;Sales", "BDAY;VALUE=date:2012-06-06",
                     "EMAIL:zdenek.zak@example.cz", "TEL:555", "ADR:;;Street;Town", "URL:www.example.com", "NOTE:hi",
                     "NICKNAME;X=1:Jo", "TITLE;LANGUAGE=en:Boss", "ROLE:Lead"})
            << -1
            << values({"Ann Lee", "Acme;Sales", "2012-06-06", "zdenek.zak@example.cz", "555", "Street", "Town",
                       "www.example.com", "hi", "Jo", "Boss", "Lead"})
            << "Lead";
        QTest::newRow("values holding a colon")
            << crlf({"URL;TYPE=WORK:http://www.example.com", "BDAY:1985-01-28T00:00:00Z", "TEL:sip:ann@example.com",
                     "TEL;VALUE=uri:tel:+1-555-0100;ext=7", "NOTE;X=1:see: here", "EMAIL;TYPE=INTERNET:mailto:a@x"})
            << -1
            << values({"http://www.example.com", "1985-01-28T00:00:00Z", "sip:ann@example.com", "+1-555-0100;ext=7",
                       "see: here", "mailto:a@x"})
            << values({"1985-01-28T00", "+1-555-0100;ext=7", "mailto"});
        QTest::newRow("dropped charset and encoding, grouped names")
            << joinLines({"NOTE;CHARSET=UTF-8:PERLA\\nmadrid", "EMAIL;ENCODING=QUOTED-PRINTABLE:a=40x", "item1.EMAIL:b@x",
                          "ADR;CHARSET=utf-8;ENCODING=QUOTED-PRINTABLE:;;Stra=C3=9Fe;Ort"},
                         "\n")
            << -1 << QString::fromUtf8("PERLA\r\nmadrid\r\na@x\r\nb@x\r\nStraße\r\nOrt")
            << values({"PERLA\\nmadrid", "a=40x", "Stra=C3=9Fe", "Ort"});
        QTest::newRow("some fields take their groups however written")
            << crlf({"item2.TEL;type=CELL:555", "ADR;WORK;ENCODING=QUOTED-PRINTABLE:;;Stra=C3=9Fe 1;Ort;;;", "FN:x"}) << 15
            << QString::fromUtf8("555\r\nStraße 1\r\nOrt") << values({"Stra=C3=9Fe 1", "Ort", "\r"});
    }
    void decodeEveryField() { checkDecoding(); }

    // The literal reading counts the lines the decoding would read otherwise, for the fields it takes.
    void linesDecodingReadsOtherwise_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("groups"); // as in someFields; -1 for All Fields
        QTest::addColumn<int>("count");
        QTest::newRow("plain lines") << crlf(kWorkedExample) << -1 << 0;
        QTest::newRow("two continuations of a taken field")
            << crlf({"EMAIL;X:a@exa", " mple", "\t.com", "TEL;X:1"}) << 1 << 2;
        QTest::newRow("continuation of a field not taken")
            << crlf({"NOTE;X:a", " b", "PHOTO;ENCODING=b:AAA", " BBB"}) << 15 << 0;
        QTest::newRow("quoted-printable value, any letter case")
            << crlf({"N;ENCODING=Quoted-Printable:M=C3=BCller", "FN;QUOTED-PRINTABLE:x"}) << -1 << 2;
        QTest::newRow("grouped names of taken and other fields")
            << crlf({"item1.EMAIL:a@x", "item2.TEL:1", "item1.X-ABLabel:x"}) << 1 << 1;
        QTest::newRow("a continuation with a colon does not end the field")
            << crlf({"URL;X:http", " ://example.com", " /x"}) << -1 << 2;
    }

    void linesDecodingReadsOtherwise()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, groups);
        QFETCH(int, count);
        ConversionChoice choice = choiceFor(groups);
        for (const bool decodeLines : {false, true}) {
            choice.decodeLines = decodeLines;
            for (const qsizetype pieceBytes : {qsizetype(1), std::numeric_limits<qsizetype>::max()}) {
                qsizetype counted = 0;
                convertVcfBytesInPieces(bytes, choice, pieceBytes, [&counted](ConvertedPiece piece) {
                    counted += piece.linesDecodingReadsOtherwise;
                    return true;
                });
                QCOMPARE(counted, decodeLines ? 0 : count);
            }
        }
    }

    void allFields_reportsEveryValueBeforeAssembly()
    {
        // Three values, the empty home-address value counted too: Doe, John, S, "" , T.
        const QByteArray bytes("N:Doe;John\nADR;HOME:;;S;T\n");
        QList<QPair<qsizetype, qsizetype>> calls;
        const QString text = convertVcfBytes(bytes, ConversionChoice::allFields(),
                                             [&](qsizetype position, qsizetype last) { calls.append({position, last}); });
        QCOMPARE(text, values({"Doe", "John", "S", "T"}));
        QCOMPARE(calls.size(), 5);
        QCOMPARE(calls.first(), qMakePair(qsizetype(0), qsizetype(4)));
        QCOMPARE(calls.last(), qMakePair(qsizetype(4), qsizetype(4)));
        QCOMPARE(assemblyPercent(0, 4), 0);
        QCOMPARE(assemblyPercent(3, 4), 75);
        QCOMPARE(assemblyPercent(29, 100), 29);
        QCOMPARE(assemblyPercent(0, 0), 100);
    }
};

QTEST_GUILESS_MAIN(TestVcfConversion)
#include "TestVcfConversion.moc"
