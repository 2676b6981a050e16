// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads an .xlsx workbook back with an independent reader (python3 with openpyxl, through
// dump_xlsx.py), for the tests of the spreadsheet export. A test target that includes this passes
// the script's path as CARDISTO_XLSX_DUMP_SCRIPT.

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

// Reads the workbook back with openpyxl. Sets skipReason when the reader is not installed or cannot
// start (as on Windows, where no python3 runs at that path).
// READ_WORKBOOK(path) below declares `sheets` in the test, or skips it.
inline QList<SheetContents> readWorkbook(const QString& path, QString& skipReason, QString& problem)
{
    skipReason.clear();
    QList<SheetContents> sheets;
    if (runningUnderWine()) {
        // Wine starts the Linux python3 but gives no handle to wait for it; the Linux build of
        // these tests reads the same writer's workbooks back.
        skipReason = QStringLiteral("no workbook reader under Wine: a Linux program started there cannot be waited for");
        return sheets;
    }
    if (!QFileInfo::exists(kWorkbookReaderPython)) {
        skipReason = QStringLiteral("no workbook reader: %1 is not installed").arg(kWorkbookReaderPython);
        return sheets;
    }
    QProcess python;
    python.start(kWorkbookReaderPython, {QStringLiteral(CARDISTO_XLSX_DUMP_SCRIPT), path});
    if (!python.waitForStarted(60000)) {
        skipReason = QStringLiteral("no workbook reader: %1 does not start (%2)")
                         .arg(kWorkbookReaderPython, python.errorString());
        return sheets;
    }
    if (!python.waitForFinished(60000)) {
        problem = QStringLiteral("the reader did not finish");
        return sheets;
    }
    if (python.exitStatus() == QProcess::NormalExit && python.exitCode() == 77) {
        skipReason = QStringLiteral("no workbook reader: %1 has no openpyxl").arg(kWorkbookReaderPython);
        return sheets;
    }
    if (python.exitCode() != 0) {
        problem = QString::fromUtf8(python.readAllStandardError());
        return sheets;
    }
    const QJsonArray json = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
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

} // namespace cardisto::test

#define READ_WORKBOOK(path)                                                                                            \
    QString skipReason;                                                                                                \
    QString problem;                                                                                                   \
    const QList<cardisto::test::SheetContents> sheets = cardisto::test::readWorkbook((path), skipReason, problem);     \
    if (!skipReason.isEmpty())                                                                                         \
        QSKIP(qPrintable(skipReason));                                                                                 \
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
