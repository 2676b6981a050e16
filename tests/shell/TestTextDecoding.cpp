// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TextDecoding.h"
#include "shell/TextIndex.h"

#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace cardisto;

class TestTextDecoding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void utf8Validity_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ascii") << QByteArray("BEGIN:VCARD\r\n") << true;
        QTest::newRow("two-byte") << QByteArray("M\xC3\xBCller") << true;
        QTest::newRow("three-byte") << QByteArray("\xE2\x82\xAC") << true;
        QTest::newRow("four-byte") << QByteArray("\xF0\x9F\x98\x80") << true;
        QTest::newRow("long ascii run then umlaut") << QByteArray("abcdefghijklmnop\xC3\xA4") << true;
        QTest::newRow("latin-1 byte") << QByteArray("M\xFCller") << false;
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("overlong three-byte") << QByteArray("\xE0\x80\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("truncated at end") << QByteArray("ab\xE2\x82") << false;
        QTest::newRow("lone continuation") << QByteArray("\x80") << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("characters of every length in a row") << QByteArray("a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80z")
                                                            << true;
        QTest::newRow("lead byte not followed") << QByteArray("\xE2\x82z\xAC") << false;
        QTest::newRow("byte that cannot begin a character") << QByteArray("ab\xF8\x80\x80") << false;
    }
    void utf8Validity()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(isValidUtf8(bytes), valid);
        // The same answer for the bytes in parts, cut anywhere, characters included.
        for (qsizetype part = 1; part <= bytes.size(); ++part) {
            Utf8Check check;
            for (qsizetype at = 0; at < bytes.size(); at += part) {
                check.add(QByteArrayView(bytes).sliced(at, std::min(part, bytes.size() - at)));
                QVERIFY(!check.failed() || !valid);
            }
            QVERIFY2(check.valid() == valid, qPrintable(QStringLiteral("parts of %1").arg(part)));
        }
    }

    void detection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::newRow("utf-16le bom") << QByteArray("\xFF\xFEN\0", 4) << int(TextEncoding::Utf16LE);
        QTest::newRow("utf-16be bom") << QByteArray("\xFE\xFF\0N", 4) << int(TextEncoding::Utf16BE);
        QTest::newRow("utf-8") << QByteArray("\xC3\xA4") << int(TextEncoding::Utf8);
        QTest::newRow("windows-1252") << QByteArray("\xE4") << int(TextEncoding::Windows1252);
        QTest::newRow("lone 0xFF is not a bom") << QByteArray("\xFF\xD8\xFF") << int(TextEncoding::Windows1252);
    }
    void detection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QCOMPARE(int(detectTextEncoding(bytes)), encoding);
    }

    void windows1252_mapsTheHighControlRange()
    {
        const QString text = decodeWindows1252(QByteArray("\x80\x81\x9F\xE9\x41"));
        QCOMPARE(text, QString::fromUtf16(u"\u20AC\u0081\u0178\u00E9A"));
    }

    // Files are read in the system's ANSI code page; Cardisto's users have Windows-1252 (Wine too).
    // On such a Windows every byte must come out as the system's own conversion gives it.
    void windows1252_isTheSystemsAnsiCodePage()
    {
#ifndef Q_OS_WIN
        QSKIP("the ANSI code page is Windows'");
#else
        if (::GetACP() != 1252)
            QSKIP("this Windows has another ANSI code page; Cardisto reads Windows-1252 all the same");
        QByteArray bytes;
        for (int byte = 1; byte < 256; ++byte)
            bytes.append(char(byte));
        wchar_t system[256] = {};
        QCOMPARE(::MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), system, 256), 255);
        const QString expected = QString::fromWCharArray(system, 255);
        const QString decoded = decodeWindows1252(bytes);
        for (int i = 0; i < 255; ++i)
            QVERIFY2(decoded[i] == expected[i], qPrintable(QStringLiteral("byte 0x%1").arg(i + 1, 2, 16, QChar(u'0'))));
        // A text file that is not UTF-8 is read the same way.
        QCOMPARE(decodeTextFile(QByteArray("caf\xE9 \x80")),
                 QStringLiteral("caf") + expected[0xE9 - 1] + u' ' + expected[0x80 - 1]);
#endif
    }

    void utf16_keepsBomAndDropsOddByte()
    {
        QCOMPARE(decodeText(QByteArray("\xFF\xFEN\0:\0x", 7), TextEncoding::Utf16LE), QChar(0xFEFF) + QStringLiteral("N:"));
        QCOMPARE(decodeText(QByteArray("\xFE\xFF\0N\0:", 6), TextEncoding::Utf16BE), QChar(0xFEFF) + QStringLiteral("N:"));
        QCOMPARE(decodeText(QByteArray("\xFF", 1), TextEncoding::Utf16LE), QString());
    }

    void utf8Bom_keptForVcardsDroppedForTextFiles()
    {
        QCOMPARE(decodeText(QByteArray("\xEF\xBB\xBFN"), TextEncoding::Utf8), QChar(0xFEFF) + QStringLiteral("N"));
        QCOMPARE(decodeTextFile(QByteArray("\xEF\xBB\xBFN")), QStringLiteral("N"));
        QCOMPARE(decodeTextFile(QByteArray("\xFF\xFEN\0", 4)), QStringLiteral("N"));
    }

    void textIndex_countsEqualTexts()
    {
        TextIndex index;
        index.add("a");
        index.add("a");
        index.add("B");
        index.remove("a");
        QVERIFY(index.contains("a"));
        index.remove("a");
        QVERIFY(!index.contains("a"));
        QVERIFY(!index.contains("b"));
        QVERIFY(!index.contains("B "));
        index.remove("never added");
        QCOMPARE(index.distinctCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "TestTextDecoding.moc"
