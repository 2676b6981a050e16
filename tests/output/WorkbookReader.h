// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads an .xlsx workbook back with an independent reader (python3 with openpyxl, through
// dump_xlsx.py), for the tests of the spreadsheet export. A test target that includes this passes
// the script's path as CARDISTO_XLSX_DUMP_SCRIPT, and that of dump_delimited.py, to read CSV and
// TSV files back, as CARDISTO_DELIMITED_DUMP_SCRIPT.

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include "support/Wine.h"

namespace cardisto::test {

inline const QString kWorkbookReaderPython = QStringLiteral("/usr/bin/python3");

// One sheet as an independent reader sees it: rows of cells, "" for an empty cell; every cell that
// is not empty must be a text cell.
struct SheetContents {
    QString title;
    QList<QStringList> rows;
    QJsonObject widths;
    QString frozen; // the top left cell of the part that scrolls, "A2" below a frozen header row
    bool headerBold = false;
    QString author;
    QString application;
};

// Runs one of the reader scripts with python3 and returns what it printed. Sets skipReason when
// the reader is not installed or cannot start (as on Windows, where no python3 runs at that path),
// problem when it failed.
inline QByteArray runReaderScript(const QString& script, const QStringList& arguments, QString& skipReason,
                                  QString& problem)
{
    skipReason.clear();
    if (runningUnderWine()) {
        // Wine starts the Linux python3 but gives no handle to wait for it; the Linux build of
        // these tests reads the same writer's files back.
        skipReason = QStringLiteral("no reader under Wine: a Linux program started there cannot be waited for");
        return {};
    }
    if (!QFileInfo::exists(kWorkbookReaderPython)) {
        skipReason = QStringLiteral("no reader: %1 is not installed").arg(kWorkbookReaderPython);
        return {};
    }
    QProcess python;
    python.start(kWorkbookReaderPython, QStringList{script} + arguments);
    if (!python.waitForStarted(60000)) {
        skipReason =
            QStringLiteral("no reader: %1 does not start (%2)").arg(kWorkbookReaderPython, python.errorString());
        return {};
    }
    if (!python.waitForFinished(60000)) {
        problem = QStringLiteral("the reader did not finish");
        return {};
    }
    if (python.exitStatus() == QProcess::NormalExit && python.exitCode() == 77) {
        skipReason = QStringLiteral("no workbook reader: %1 has no openpyxl").arg(kWorkbookReaderPython);
        return {};
    }
    if (python.exitCode() != 0) {
        problem = QString::fromUtf8(python.readAllStandardError());
        return {};
    }
    return python.readAllStandardOutput();
}

// Reads the workbook back with openpyxl.
// READ_WORKBOOK(path) below declares `sheets` in the test, or skips it.
inline QList<SheetContents> readWorkbook(const QString& path, QString& skipReason, QString& problem)
{
    QList<SheetContents> sheets;
    const QByteArray printed = runReaderScript(QStringLiteral(CARDISTO_XLSX_DUMP_SCRIPT), {path}, skipReason, problem);
    if (!skipReason.isEmpty() || !problem.isEmpty())
        return sheets;
    const QJsonArray json = QJsonDocument::fromJson(printed).array();
    for (const auto& sheetValue : json) {
        const QJsonObject sheet = sheetValue.toObject();
        SheetContents contents{sheet["title"].toString(),         {}, sheet["widths"].toObject(),
                               sheet["frozen"].toString(),        sheet["headerBold"].toBool(),
                               sheet["author"].toString(),        sheet["application"].toString()};
        for (const auto& rowValue : sheet["rows"].toArray()) {
            QStringList row;
            for (const QJsonValue cell : rowValue.toArray()) {
                if (cell.isNull()) {
                    row.append(QString());
                    continue;
                }
                if (cell["type"].toString() != QStringLiteral("s"))
                    problem = QStringLiteral("a cell that is not text: ") + cell["value"].toVariant().toString();
                row.append(cell["value"].toString());
            }
            contents.rows.append(row);
        }
        sheets.append(contents);
    }
    return sheets;
}

#ifdef CARDISTO_DELIMITED_DUMP_SCRIPT
// A CSV or TSV file as Python's csv module reads it in strict mode (dump_delimited.py), which also
// checks that every row ends in CR LF.
struct DelimitedContents {
    bool byteOrderMark = false;
    QList<QStringList> rows;
};

inline DelimitedContents readDelimited(const QString& path, const QString& form, QString& skipReason, QString& problem)
{
    DelimitedContents contents;
    const QByteArray printed =
        runReaderScript(QStringLiteral(CARDISTO_DELIMITED_DUMP_SCRIPT), {path, form}, skipReason, problem);
    const QJsonObject json = QJsonDocument::fromJson(printed).object();
    contents.byteOrderMark = json["bom"].toBool();
    for (const auto& row : json["rows"].toArray())
        contents.rows.append(row.toVariant().toStringList());
    return contents;
}
#endif

} // namespace cardisto::test

#define READ_WORKBOOK(path)                                                                                            \
    QString skipReason;                                                                                                \
    QString problem;                                                                                                   \
    const QList<cardisto::test::SheetContents> sheets = cardisto::test::readWorkbook((path), skipReason, problem);     \
    if (!skipReason.isEmpty())                                                                                         \
        QSKIP(qPrintable(skipReason));                                                                                 \
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
