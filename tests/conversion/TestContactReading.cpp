// SPDX-License-Identifier: GPL-3.0-or-later
// The contacts table's reading: which cells each vCard gives, under which columns, and that a file
// read in pieces or for its counts alone agrees with the whole reading.

#include "conversion/ContactFileReading.h"
#include "support/ContactCells.h"
#include "support/RecordingErrorReporter.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;
using test::vcardBytes;

namespace {

QStringList card(const QStringList& properties)
{
    return QStringList{"BEGIN:VCARD", "VERSION:3.0"} + properties + QStringList{"END:VCARD"};
}

// Every contact read from a file, each contact in a piece of its own.
PackedContacts readInPieces(const QString& path, ContactReader::Reading reading, int& lastPieces)
{
    test::RecordingErrorReporter reporter;
    PackedContacts all;
    ContactRow row;
    GroupCounts largest{};
    lastPieces = 0;
    ReadVCFContactsInPieces(
        path, reading, 1,
        [&](PackedContacts piece, bool last) {
            lastPieces += last ? 1 : 0;
            for (qsizetype i = 0; i < piece.size(); ++i) {
                piece.rowAt(i, row);
                all.append(row);
            }
            largest = largerCounts(largest, piece.largestCounts());
            return true;
        },
        reporter);
    if (!reporter.reports.isEmpty())
        QTest::qFail(qPrintable(reporter.reports.constFirst().description), __FILE__, __LINE__);
    return all;
}

} // namespace

class TestContactReading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void contacts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("contacts");
        QTest::addColumn<int>("columns");

        QTest::newRow("names from N, File As from FN")
            << vcardBytes(card({"N:Smith;Ava;Olivia;Prof.;PhD", "FN:Prof. Ava Olivia Smith"}))
            << QStringList{"First Name=Ava | Middle Name=Olivia | Last Name=Smith | Name Prefix=Prof. | "
                           "Name Suffix=PhD | File As=Prof. Ava Olivia Smith"}
            << 17;
        QTest::newRow("without N, File As holds FN")
            << vcardBytes(card({"FN:Acme Support"})) << QStringList{"File As=Acme Support"} << 17;
        QTest::newRow("the first N counts, escapes read")
            << vcardBytes(card({"N:First \\; special \\;;Given", "N:Other;Name"}))
            << QStringList{"First Name=Given | Last Name=First ; special ;"} << 17;
        QTest::newRow("phonetic names, nickname, organisation, title")
            << vcardBytes(card({"X-PHONETIC-FIRST-NAME:Jon", "X-PHONETIC-MIDDLE-NAME:Ri", "X-PHONETIC-LAST-NAME:Dow",
                                "NICKNAME:Johny", "NICKNAME:JD", "ORG:IBM;Accounting;EMEA", "TITLE:Money Counter"}))
            << QStringList{"Phonetic First Name=Jon | Phonetic Middle Name=Ri | Phonetic Last Name=Dow | "
                           "Nickname=Johny, JD | Organization Name=IBM | Organization Title=Money Counter | "
                           "Organization Department=Accounting, EMEA"}
            << 17;
        QTest::newRow("birthdays as dates")
            << vcardBytes(card({"BDAY:19420922"}) + card({"BDAY;VALUE=date:1985-01-28T00:00:00Z"}) +
                          card({"BDAY:--0415"}) + card({"BDAY:circa 1980"}))
            << QStringList{"Birthday=1942-09-22", "Birthday=1985-01-28", "Birthday=--04-15", "Birthday=circa 1980"}
            << 17;
        QTest::newRow("notes keep their lines, categories are labels")
            << vcardBytes(card({"NOTE:first\\nsecond", "NOTE;ENCODING=QUOTED-PRINTABLE:third=0D=0Afourth",
                                "CATEGORIES:Friends,Family\\,Close", "CATEGORIES:Work"}))
            << QStringList{"Notes=first\\nsecond\\nthird\\nfourth | Labels=Friends ::: Family,Close ::: Work"} << 17;
        QTest::newRow("e-mail labels: INTERNET and PREF are none")
            << vcardBytes(card({"EMAIL;TYPE=INTERNET,PREF:a@example.org", "EMAIL;TYPE=INTERNET;TYPE=HOME:b@example.org",
                                "EMAIL;WORK;PREF:c@example.org"}))
            << QStringList{"E-mail 1 - Value=a@example.org | E-mail 2 - Label=Home | E-mail 2 - Value=b@example.org | "
                           "E-mail 3 - Label=Work | E-mail 3 - Value=c@example.org"}
            << 23;
        QTest::newRow("phone labels from TYPE and 2.1's bare words")
            << vcardBytes(card({"TEL;CELL;VOICE:+49 30 1234", "TEL;TYPE=FAX,WORK:1", "TEL;HOME;FAX:2",
                                "TEL;TYPE=pager:3", "TEL;TYPE=MAIN;TYPE=X-CUSTOM:4", "TEL;TYPE=WHATSAPP:5",
                                "TEL;VALUE=uri;TYPE=\"voice,cell,work\":tel:+1-555-0100"}))
            << QStringList{"Phone 1 - Label=Mobile | Phone 1 - Value=+49 30 1234 | Phone 2 - Label=Work Fax | "
                           "Phone 2 - Value=1 | Phone 3 - Label=Home Fax | Phone 3 - Value=2 | Phone 4 - Label=Pager | "
                           "Phone 4 - Value=3 | Phone 5 - Label=Main | Phone 5 - Value=4 | Phone 6 - Label=Whatsapp | "
                           "Phone 6 - Value=5 | Phone 7 - Label=Work Mobile | Phone 7 - Value=+1-555-0100"}
            << 31;
        QTest::newRow("Apple's label of a group, written after or before")
            << vcardBytes(card({"item1.EMAIL;TYPE=INTERNET:a@example.org", "item1.X-ABLabel:_$!<Other>!$_",
                                "ITEM2.X-ABLabel:Assistant", "item2.TEL;TYPE=WORK:1", "item3.URL:http\\://example.org",
                                "item3.X-ABLabel:_$!<HomePage>!$_"}))
            << QStringList{"E-mail 1 - Label=Other | E-mail 1 - Value=a@example.org | Phone 1 - Label=Assistant | "
                           "Phone 1 - Value=1 | Website 1 - Label=HomePage | Website 1 - Value=http://example.org"}
            << 23;
        QTest::newRow("an address's parts, formatted from them")
            << vcardBytes(card({"ADR;HOME:PO 1;Apt 2;Main St 3;Springfield;IL;62701;USA"}))
            << QStringList{"Address 1 - Label=Home | Address 1 - Formatted=Main St 3\\nApt 2\\nPO 1\\nSpringfield IL "
                           "62701\\nUSA | Address 1 - Street=Main St 3 | Address 1 - City=Springfield | "
                           "Address 1 - PO Box=PO 1 | Address 1 - Region=IL | Address 1 - Postal Code=62701 | "
                           "Address 1 - Country=USA | Address 1 - Extended Address=Apt 2"}
            << 26;
        QTest::newRow("an address's LABEL parameter is its formatted text")
            << vcardBytes(
                   card({"ADR;TYPE=work;LABEL=\"Bad Homburg^nGERMANY ^'BH^'\\nEnd\":;;Strasse 1;Bad Homburg;;61352;"}))
            << QStringList{"Address 1 - Label=Work | Address 1 - Formatted=Bad Homburg\\nGERMANY \"BH\"\\nEnd | "
                           "Address 1 - Street=Strasse 1 | Address 1 - City=Bad Homburg | Address 1 - Postal "
                           "Code=61352"}
            << 26;
        QTest::newRow("a street keeps its line breaks, a city does not")
            << vcardBytes(card({"ADR;HOME;ENCODING=QUOTED-PRINTABLE:;;Line 2=0D=0ALine 3;New=0AYork;;12345;"}))
            << QStringList{"Address 1 - Label=Home | Address 1 - Formatted=Line 2\\nLine 3\\nNew York 12345 | "
                           "Address 1 - Street=Line 2\\nLine 3 | Address 1 - City=New York | Address 1 - Postal "
                           "Code=12345"}
            << 26;
        QTest::newRow("empty values and photos give nothing")
            << vcardBytes(card({"EMAIL;INTERNET: ", "TEL:", "ADR;HOME:;;;;;;", "URL:", "PHOTO;ENCODING=b:AAAA",
                                "EMAIL;ENCODING=b:AAAA", "FN:Someone"}))
            << QStringList{"File As=Someone"} << 17;
        QTest::newRow("several contacts: columns up to the largest count")
            << vcardBytes(card({"EMAIL:a@example.org", "EMAIL:b@example.org"}) + card({"URL:example.org"}))
            << QStringList{"E-mail 1 - Value=a@example.org | E-mail 2 - Value=b@example.org",
                           "Website 1 - Value=example.org"}
            << 23;
        QTest::newRow("a card inside another belongs to it")
            << vcardBytes({"BEGIN:VCARD", "N:parent", "AGENT:", "BEGIN:VCARD", "N:nest1", "TEL:9", "END:VCARD", "TEL:1",
                           "END:VCARD"})
            << QStringList{"Last Name=parent | Phone 1 - Value=1"} << 19;
        QTest::newRow("a card without END at the end of the file, lines outside cards")
            << vcardBytes({"FN:outside", "BEGIN:VCARD", "FN:first", "END:VCARD", "EMAIL:x@example.org", "begin:vcard",
                           "FN:unended"})
            << QStringList{"File As=first", "File As=unended"} << 17;
        QTest::newRow("a file without BEGIN gives no contact")
            << vcardBytes({"FN:nobody", "EMAIL:nobody@example.org", "END:VCARD"}) << QStringList{} << 17;
        QTest::newRow("Windows-1252 bytes, in values, in a LABEL and in a type of the writer's own")
            << QByteArray("BEGIN:VCARD\r\nN:M\xfcller;J\xfcrgen\r\nADR;LABEL=K\xf6ln:;;Weg 1;K\xf6ln;;;\r\n"
                          "TEL;TYPE=B\xfcro:1\r\nEMAIL;TYPE=Privat\xe9:j\xfcrgen@x.de\r\nEND:VCARD\r\n")
            << QStringList{"First Name=Jürgen | Last Name=Müller | E-mail 1 - Label=Privaté | "
                           "E-mail 1 - Value=jürgen@x.de | Phone 1 - Label=Büro | Phone 1 - Value=1 | "
                           "Address 1 - Formatted=Köln | Address 1 - Street=Weg 1 | Address 1 - City=Köln"}
            << 30;
    }

    void contacts()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, contacts);
        QFETCH(int, columns);
        const PackedContacts read = readVcfContacts(file);
        QCOMPARE(test::contactCells(read), contacts);
        QCOMPARE(ContactColumns(false, read.largestCounts()).size(), columns);

        // Read from a file in pieces of one contact each, and for the counts alone, it agrees.
        const QTemporaryDir dir;
        const QString path = test::writeFile(dir.filePath(QStringLiteral("contacts.vcf")), file);
        int lastPieces = 0;
        QCOMPARE(test::contactCells(readInPieces(path, ContactReader::Reading::Values, lastPieces)), contacts);
        QCOMPARE(lastPieces, 1);
        QCOMPARE(readInPieces(path, ContactReader::Reading::CountsOnly, lastPieces).largestCounts(),
                 read.largestCounts());
    }

    void columns_followGoogleContacts()
    {
        const ContactColumns columns(true, {1, 1, 1, 1});
        QStringList headers;
        for (int column = 0; column < columns.size(); ++column)
            headers.append(columns.header(column));
        QCOMPARE(headers.join(u','),
                 QString("Source,First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,"
                         "Phonetic Last Name,Name Prefix,Name Suffix,Nickname,File As,Organization Name,"
                         "Organization Title,Organization Department,Birthday,Notes,Photo,Labels,"
                         "E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,Address 1 - Label,"
                         "Address 1 - Formatted,Address 1 - Street,Address 1 - City,Address 1 - PO Box,"
                         "Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,"
                         "Address 1 - Extended Address,Website 1 - Label,Website 1 - Value"));
    }

    void unreadableFile_isReportedAndGivesNoContacts()
    {
        const QTemporaryDir dir;
        const QString path =
            test::writeFile(dir.filePath(QStringLiteral("image.vcf")), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        test::RecordingErrorReporter reporter;
        qsizetype contacts = 0;
        ReadVCFContactsInPieces(
            path, ContactReader::Reading::Values, 1024,
            [&](PackedContacts piece, bool) {
                contacts += piece.size();
                return true;
            },
            reporter);
        QCOMPARE(contacts, 0);
        QCOMPARE(reporter.reports.size(), 1);
        QCOMPARE(reporter.reports.constFirst().location, QString("in Velmora2021/08/31.Extract1.ReadVCFContacts "));
        QCOMPARE(reporter.reports.constFirst().line, 100);
    }
};

QTEST_GUILESS_MAIN(TestContactReading)
#include "TestContactReading.moc"
