// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace cardisto {

// Names application as the program that wrote the finished .xlsx file at path, in the document
// properties part docProps/app.xml. libxlsxwriter always names Microsoft Excel there, with Excel's
// version number, and has no setting for it; the version number is dropped.
//
// The part is stored anew, uncompressed, in place of the old one. libxlsxwriter writes it last of
// all parts, so only the end of the file (that part and the zip directory) is rewritten. A file
// laid out otherwise or without the entry, and a workbook of 4 GB or more (whose zip directory
// takes another form), are left as they are. application is plain text without markup characters.
//
// Returns false with error set when the file cannot be read or written.
bool nameWorkbookApplication(const QString& path, const QByteArray& application, QString& error);

} // namespace cardisto
