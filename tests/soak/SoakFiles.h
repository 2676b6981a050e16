// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestFiles.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

namespace cardisto::test {

// The files a soak works with, in a temporary folder of their own: vCard files of several kinds
// (some sharing addresses, so that duplicates occur), one that is no text and one that is named but
// missing, a folder tree to scan, a path list file, an item file for the text sets and a folder for
// the saved results.
class SoakFiles {
public:
    SoakFiles()
    {
        QDir folder(m_dir.path());
        folder.mkpath(QStringLiteral("tree/sub1"));
        folder.mkpath(QStringLiteral("tree/sub2/sub3"));
        folder.mkpath(QStringLiteral("out"));
        const auto card = [](const QByteArray& name, const QByteArray& email, const QByteArray& phone) -> QByteArray {
            return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nN:" + name.split(' ').last() + ";" +
                   name.split(' ').first() + ";;;\r\nEMAIL;TYPE=INTERNET:" + email + "\r\nTEL:" + phone +
                   "\r\nEND:VCARD\r\n";
        };
        add("ann.vcf", card("Ann Lee", "ann@x.org", "555 0101") + card("Bo Ray", "bo@y.net", "555 0102"));
        add("ann-again.vcf", card("Ann Lee", "ann@x.org", "555 0101") + card("Cy Dunn", "cy@x.org", "555 0103"));
        QByteArray many;
        for (int i = 0; i < 40; ++i)
            many += card("Person " + QByteArray::number(i % 25), "p" + QByteArray::number(i % 30) + "@many.org",
                         "555 1" + QByteArray::number(i));
        add("many.vcf", many);
        // A folded and quoted-printable note, and an address in parts: decoding changes their lines.
        add("notes.vcf", "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Dee Fox\r\nNOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:"
                         "Caf=C3=A9 au=\r\n lait\r\nADR;HOME:;;1 Main St;Town;;12345;Land\r\nEMAIL:dee@x.org\r\n"
                         " folded\r\nEND:VCARD\r\n");
        QByteArray utf16("\xff\xfe");
        for (const char c : card("Eve Utf", "eve@x.org", "555 0105"))
            utf16 += QByteArray(1, c) + QByteArray(1, '\0');
        add("utf16.vcf", utf16);
        add("empty.vcf", QByteArray());
        m_bad.append(add("binary.vcf", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + QByteArray(600, '\0')));
        m_vcards.append(QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("missing.vcf"))));
        writeFile(m_dir.filePath(QStringLiteral("tree/a.vcf")), card("Tree Top", "top@tree.org", "555 0201"));
        writeFile(m_dir.filePath(QStringLiteral("tree/readme.txt")), "not a vCard\r\n");
        writeFile(m_dir.filePath(QStringLiteral("tree/sub1/b.vcf")), card("Sub One", "one@tree.org", "555 0202"));
        writeFile(m_dir.filePath(QStringLiteral("tree/sub2/sub3/c.vcf")), card("Sub Three", "three@tree.org", "1"));
        m_pathList = writeFile(m_dir.filePath(QStringLiteral("list.txt")),
                               (m_vcards.mid(0, 3).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        m_items = writeFile(m_dir.filePath(QStringLiteral("items.txt")), "@x.org\r\nLee\r\n555\r\n");
    }

    // Every vCard path, good, bad and missing, with the system's separators, as the file dialog gives them.
    const QStringList& vcards() const { return m_vcards; }
    // The files whose reading shows an error box.
    const QStringList& bad() const { return m_bad; }
    QString tree() const { return m_dir.filePath(QStringLiteral("tree")); }
    QString pathList() const { return m_pathList; }
    QString items() const { return m_items; }
    QString outFolder() const { return m_dir.filePath(QStringLiteral("out")); }

private:
    QString add(const char* name, const QByteArray& bytes)
    {
        m_vcards.append(QDir::toNativeSeparators(writeFile(m_dir.filePath(QString::fromLatin1(name)), bytes)));
        return m_vcards.constLast();
    }

    QTemporaryDir m_dir;
    QStringList m_vcards;
    QStringList m_bad;
    QString m_pathList;
    QString m_items;
};

} // namespace cardisto::test
