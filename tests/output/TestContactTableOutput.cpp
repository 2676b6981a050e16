// SPDX-License-Identifier: GPL-3.0-or-later
// The contacts table written as CSV, TSV, a workbook and JSON Lines and read back by independent
// readers (Python's csv module, openpyxl, Qt's JSON reader): every cell of the real-world vCards
// as the table holds it, and the cells a spreadsheet would run as formulas.

#include "WorkbookReader.h"
#include "conversion/ContactColumns.h"
#include "conversion/ContactFileReading.h"
#include "output/ContactWorkbook.h"
#include "output/DelimitedTableText.h"
#include "output/FormulaGuard.h"
#include "output/JsonLinesTableText.h"
#include "support/RecordingErrorReporter.h"
#include "support/TestFiles.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;

namespace {

struct SourceFile {
    std::string source;
    PackedContacts contacts;
};

QList<SourceFile> corpusContacts()
{
    QList<SourceFile> files;
    const QDir corpus(QStringLiteral(CARDISTO_CORPUS_DIR));
    QDirIterator found(corpus.path(), {QStringLiteral("*.vcf")}, QDir::Files, QDirIterator::Subdirectories);
    QStringList paths;
    while (found.hasNext())
        paths.append(found.next());
    paths.sort();
    for (const QString& path : paths)
        files.append({corpus.relativeFilePath(path).toStdString(), readVcfContacts(test::readFile(path))});
    // A note a spreadsheet would run: guarded in CSV and TSV, as it is in a workbook's text cell.
    files.append({"=formula.vcf", readVcfContacts("BEGIN:VCARD\r\nFN:=1+2\r\nNOTE:@SUM(A1:A2)\r\n")});
    return files;
}

// Writes every contact of the files with a source column; returns the columns.
ContactColumns writeTable(const QList<SourceFile>& files, ContactTableWriter& writer)
{
    GroupCounts largest{};
    for (const SourceFile& file : files)
        largest = largerCounts(largest, file.contacts.largestCounts());
    const ContactColumns columns(true, largest);
    writer.writeHeader(columns);
    ContactRow row;
    for (const SourceFile& file : files) {
        for (qsizetype i = 0; i < file.contacts.size(); ++i) {
            file.contacts.rowAt(i, row);
            writer.writeRow(columns, row, file.source);
        }
    }
    return columns;
}

// The table as its cells read: the header row, then a row per contact.
QList<QStringList> expectedRows(const QList<SourceFile>& files, const ContactColumns& columns, bool guarded)
{
    QStringList header;
    for (int column = 0; column < columns.size(); ++column)
        header.append(columns.header(column));
    QList<QStringList> rows{header};
    ContactRow row;
    std::string scratch;
    for (const SourceFile& file : files) {
        for (qsizetype i = 0; i < file.contacts.size(); ++i) {
            file.contacts.rowAt(i, row);
            QStringList cells;
            for (int column = 0; column < columns.size(); ++column) {
                const std::string_view text = columns.cellText(row, file.source, column, scratch);
                const QString cell = QString::fromUtf8(text.data(), qsizetype(text.size()));
                cells.append(guarded && needsFormulaGuard(text) ? u'\'' + cell : cell);
            }
            rows.append(cells);
        }
    }
    return rows;
}

// A JSON Lines object as the table's cells, found by its keys, after a header row like the others.
QStringList cellsOfObject(const QJsonObject& object, const ContactColumns& columns)
{
    static const char* const kFieldKeys[] = {"firstName",
                                             "middleName",
                                             "lastName",
                                             "phoneticFirstName",
                                             "phoneticMiddleName",
                                             "phoneticLastName",
                                             "namePrefix",
                                             "nameSuffix",
                                             "nickname",
                                             "fileAs",
                                             "organizationName",
                                             "organizationTitle",
                                             "organizationDepartment",
                                             "birthday",
                                             "notes",
                                             "labels"};
    static const char* const kGroupKeys[] = {"emails", "phones", "addresses", "websites"};
    static const char* const kPartKeys[] = {"type",   "value",      "street",  "city",           "poBox",
                                            "region", "postalCode", "country", "extendedAddress"};
    QStringList cells;
    for (int column = 0; column < columns.size(); ++column) {
        const ContactColumn& c = columns.at(column);
        if (c.kind == ContactColumn::Kind::Source)
            cells.append(object["source"].toString());
        else if (c.kind == ContactColumn::Kind::Photo)
            cells.append(QString());
        else if (c.kind == ContactColumn::Kind::Field && c.field == ContactField::Labels)
            cells.append(object["labels"].toVariant().toStringList().join(" ::: "));
        else if (c.kind == ContactColumn::Kind::Field)
            cells.append(object.value(QLatin1String(kFieldKeys[int(c.field)])).toString());
        else
            cells.append(object.value(QLatin1String(kGroupKeys[int(c.group)]))
                             .toArray()
                             .at(c.entry)
                             .toObject()
                             .value(QLatin1String(kPartKeys[c.part]))
                             .toString());
    }
    return cells;
}

} // namespace

class TestContactTableOutput : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // Writes the table in a form and reads it back with its independent reader.
    QList<QStringList> writtenAndReadBack(const QString& form, const QList<SourceFile>& files, ContactColumns& columns,
                                          QString& skipReason)
    {
        const QString path = m_dir.filePath("table." + form);
        QString problem;
        QList<QStringList> rows;
        if (form == "xlsx") {
            test::RecordingErrorReporter reporter;
            const ErrorLocation location = ErrorLocation::velmora("Test", "Table");
            if (!writeContactsWorkbook(path, location, reporter,
                                       [&](ContactTableWriter& w) { columns = writeTable(files, w); }))
                QTest::qFail("the workbook was not written", __FILE__, __LINE__);
            const QList<test::SheetContents> sheets = test::readWorkbook(path, skipReason, problem);
            if (!sheets.isEmpty())
                rows = sheets.constFirst().rows;
        } else if (form == "jsonl") {
            JsonLinesTableText text;
            columns = writeTable(files, text);
            const QByteArray bytes = text.takeBytes();
            rows.append(expectedRows({}, columns, false));
            for (const QByteArray& line : bytes.split('\n')) {
                if (!line.isEmpty())
                    rows.append(cellsOfObject(QJsonDocument::fromJson(line).object(), columns));
            }
            if (!bytes.endsWith('\n'))
                problem = "the last object has no line end";
        } else {
            DelimitedTableText text(
                form == "csv" ? DelimitedTableText::Separator::Comma : DelimitedTableText::Separator::Tab, false);
            columns = writeTable(files, text);
            test::writeFile(path, text.takeBytes());
            const test::DelimitedContents read = test::readDelimited(path, form, skipReason, problem);
            if (read.byteOrderMark)
                problem = "a byte-order mark nobody asked for";
            rows = read.rows;
        }
        if (!problem.isEmpty())
            QTest::qFail(qPrintable(problem), __FILE__, __LINE__);
        return rows;
    }

private Q_SLOTS:
    void corpus_readsBackCellForCell_data()
    {
        QTest::addColumn<QString>("form");
        for (const char* form : {"csv", "tsv", "xlsx", "jsonl"})
            QTest::newRow(form) << QString(form);
    }

    void corpus_readsBackCellForCell()
    {
        QFETCH(QString, form);
        if (!QDir(QStringLiteral(CARDISTO_CORPUS_DIR)).exists())
            QSKIP("no corpus beside the checkout");
        const QList<SourceFile> files = corpusContacts();
        ContactColumns columns(true, {});
        QString skipReason;
        const QList<QStringList> rows = writtenAndReadBack(form, files, columns, skipReason);
        if (!skipReason.isEmpty())
            QSKIP(qPrintable(skipReason));
        const QList<QStringList> expected = expectedRows(files, columns, form == "csv" || form == "tsv");
        QVERIFY(expected.size() > 100);
        QCOMPARE(rows.size(), expected.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i], expected[i]);
    }

    // A spreadsheet runs nothing a vCard holds, and phone numbers keep their plus sign. (The
    // workbook's text cells need no guard: the corpus rows above hold formulas that it keeps as text.)
    void cellsSpreadsheetsWouldRun_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("delimitedCell");
        QTest::newRow("formula") << "=1+2"
                                 << "'=1+2";
        QTest::newRow("function after @") << "@SUM(A1:A2)"
                                          << "'@SUM(A1:A2)";
        QTest::newRow("plus before a cell") << "+A1"
                                            << "'+A1";
        QTest::newRow("minus before a command") << "-2+3+cmd|' /C calc'!A0"
                                                << "'-2+3+cmd|' /C calc'!A0";
        QTest::newRow("tab first") << "\tx"
                                   << "'\tx";
        QTest::newRow("phone number keeps its plus") << "+49 30 1234"
                                                     << "+49 30 1234";
        QTest::newRow("phone number with parentheses") << "+1 (555) 010-0140"
                                                       << "+1 (555) 010-0140";
        QTest::newRow("negative number") << "-5"
                                         << "-5";
        QTest::newRow("plus with an extension") << "+1 555 0100 x23"
                                                << "'+1 555 0100 x23";
        QTest::newRow("comma and quotes") << "say \"hi\", then"
                                          << "say \"hi\", then";
        QTest::newRow("line break") << "a\nb"
                                    << "a\nb";
    }

    void cellsSpreadsheetsWouldRun()
    {
        QFETCH(QString, value);
        QFETCH(QString, delimitedCell);
        PackedContacts contacts;
        ContactRow row;
        row.reset({0, 1, 0, 0});
        const std::string text = value.toStdString();
        row.cell(int(ContactField::Notes)) = text;
        row.cell(int(row.cellIndex(ContactGroup::Phone, 0, kValuePart))) = text;
        contacts.append(row);
        const QList<SourceFile> files{{"file.vcf", contacts}};
        for (const QString form : {"csv", "tsv"}) {
            ContactColumns columns(true, {});
            QString skipReason;
            const QList<QStringList> rows = writtenAndReadBack(form, files, columns, skipReason);
            if (!skipReason.isEmpty())
                QSKIP(qPrintable(skipReason));
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows[1].at(columns.size() - 1), delimitedCell);
            QCOMPARE(rows[1].at(15), delimitedCell); // Notes, after the source and fourteen fields
        }
    }
};

QTEST_GUILESS_MAIN(TestContactTableOutput)
#include "TestContactTableOutput.moc"
