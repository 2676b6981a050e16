// SPDX-License-Identifier: GPL-3.0-or-later
// Input files of extreme shape, run through "Extract All Lines" of the real main window in both field
// modes between two good files: a 200 MB file of one line and a file of ten million empty lines;
// and a file too large to be held ahead that changes or goes away while the run reads it.
// The files are written piece by piece into the window's folder and removed when the case ends.

#include "HardeningWindow.h"

using namespace cardisto;
using namespace cardisto::test;

namespace {

// Removes the file when the case ends, passed or not.
struct RemovedAtEnd {
    QString path;
    ~RemovedAtEnd() { QFile::remove(path); }
};

} // namespace

class TestHardeningLargeInputFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneLineOf200MB_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<bool>("allFieldsTakeIt"); // the whole line after the head becomes one row

        QTest::newRow("no property, no colon") << QByteArray() << QByteArray(4096, 'x') << false;
        QTest::newRow("picture, a property no mode takes")
            << QByteArray("PHOTO;ENCODING=b;TYPE=JPEG:") << QByteArray("/9j/4AAQSkZJRgABAQ+=").repeated(256) << false;
        QTest::newRow("note, taken whole by All Fields")
            << QByteArray("NOTE;CHARSET=UTF-8:") << QByteArray("Lorem ipsum dolor sit amet, consectetur.").repeated(100)
            << true;
    }

    void oneLineOf200MB()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, piece);
        QFETCH(bool, allFieldsTakeIt);
        HardeningWindow w;
        const qint64 pieces = 200 * 1024 * 1024 / piece.size() / kLargeInputDivisor;
        const RemovedAtEnd large{
            w.writeLargeFile(QStringLiteral("b-one-line.vcf"), head, pieces, [&](qint64) { return piece; }, {})};
        w.listFiles({w.writeContacts(QStringLiteral("a.vcf"), {"before@x"}), large.path,
                     w.writeContacts(QStringLiteral("c.vcf"), {"after@x"})});

        for (const bool allFields : {true, false}) {
            allFields ? w.takeAllFields() : w.takeEveryFieldGroup();
            w.click("PushButton13");
            const bool taken = allFields && allFieldsTakeIt;
            const QStringList rows = w.resultRows();
            QCOMPARE(rows.size(), taken ? 3 : 2);
            QCOMPARE(rows.first(), QStringLiteral("before@x"));
            QCOMPARE(rows.last(), QStringLiteral("after@x"));
            if (taken) {
                const QString& value = rows.at(1);
                QCOMPARE(value.size(), pieces * piece.size());
                QVERIFY(value.startsWith(QString::fromLatin1(piece.left(64))));
                QVERIFY(value.endsWith(QString::fromLatin1(piece.right(64))));
            }
            QVERIFY(w.platform.boxes.isEmpty());
        }
    }

    void fileChangingWhileRead_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("reported"); // the run reports the change (and keeps what it read)
        // The run reads the file it opened to its end: a removed or replaced name does not matter.
        QTest::newRow("removed") << "removed" << false;
        QTest::newRow("replaced by another file") << "replaced" << false;
        QTest::newRow("grown") << "grown" << true;
        QTest::newRow("shrunk") << "shrunk" << true;
        QTest::newRow("rewritten in place") << "rewritten" << true;
    }

    // A file larger than the sixteen pieces held ahead is read twice, once for its encoding and
    // once as it converts. It changes after the first of its rows is listed, when the second read
    // has not got far: the rows read stay, the change is reported, and the next file is read.
    void fileChangingWhileRead()
    {
        QFETCH(QString, change);
        QFETCH(bool, reported);
#ifdef Q_OS_WIN
        // Qt opens files without delete sharing there, so the name cannot go while the run reads it.
        if (change == u"removed" || change == u"replaced")
            QSKIP("Windows keeps the name of a file that is open for reading");
#endif
        HardeningWindow w;
        w.takeEveryFieldGroup();
        const QByteArray note = "NOTE:" + QByteArray(20000, 'n') + "\r\n";
        constexpr qint64 kContacts = 1200; // 24 MB: the second read holds at most 17 MB ahead
        const RemovedAtEnd large{w.writeLargeFile(
            QStringLiteral("b-changing.vcf"), {}, kContacts,
            [&](qint64 i) -> QByteArray { return "BEGIN:VCARD\r\nEMAIL;TYPE=INTERNET:c" + QByteArray::number(i) + "@x\r\n" + note +
                                   "END:VCARD\r\n"; },
            {})};
        w.listFiles({w.writeContacts(QStringLiteral("a.vcf"), {"before@x"}), large.path,
                     w.writeContacts(QStringLiteral("c.vcf"), {"after@x"})});
        const auto makeChange = [&] {
            QFile file(large.path);
            if (change == "removed") {
                QVERIFY(file.remove());
            } else if (change == "replaced") {
                const QString other = w.writeContacts(QStringLiteral("other.vcf"), {"other@x"});
                QVERIFY(QFile::remove(large.path) && QFile::rename(other, large.path));
            } else if (change == "grown") {
                QVERIFY(file.open(QIODevice::Append));
                file.write("BEGIN:VCARD\r\nEMAIL;TYPE=INTERNET:grown@x\r\nEND:VCARD\r\n");
            } else if (change == "shrunk") {
                QVERIFY(file.resize(20 * 1024 * 1024));
            } else {
                QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(23 * 1024 * 1024));
                file.write(QByteArray(1000, 'm'));
            }
        };
        bool changed = false;
        QObject::connect(&w.form().results(), &QAbstractItemModel::rowsInserted, &w.form(), [&] {
            if (!changed && w.form().results().containsRowText(u"c0@x")) {
                changed = true;
                makeChange();
            }
        });
        w.click("PushButton13");
        QVERIFY(changed);

        // before@x, then the first contacts of the large file in order, then after@x.
        QStringList rows = w.resultRows();
        QCOMPARE(rows.takeFirst(), QStringLiteral("before@x"));
        QCOMPARE(rows.takeLast(), QStringLiteral("after@x"));
        if (change == "grown" && rows.constLast() == u"grown@x")
            rows.removeLast();
        for (qsizetype i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i], QStringLiteral("c%1@x").arg(i));
        if (!reported) {
            QCOMPARE(rows.size(), kContacts);
            QVERIFY(w.platform.boxes.isEmpty());
            return;
        }
        QCOMPARE(w.platform.errors().size(), 1);
        const QString error = w.platform.errors().constFirst();
        QVERIFY2(error.startsWith(QStringLiteral("Cannot read %1 to its end: it changed while it was being read.")
                                      .arg(large.path)),
                 qPrintable(error));
        QVERIFY(error.contains(QStringLiteral("Extract1.ReadVCFSomeFields at line 102")));
        QVERIFY(w.platform.messages().isEmpty());
    }

    void tenMillionEmptyLines_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
    }

    // The one contact after the empty lines shows that the reading got to the end.
    void tenMillionEmptyLines()
    {
        QFETCH(QByteArray, lineEnd);
        HardeningWindow w;
        // Written a thousand line ends at a time.
        const QByteArray thousand = lineEnd.repeated(1000);
        const RemovedAtEnd large{w.writeLargeFile(
            QStringLiteral("b-empty-lines.vcf"), {}, 10'000 / kLargeInputDivisor, [&](qint64) { return thousand; },
            "BEGIN:VCARD" + lineEnd + "EMAIL;TYPE=INTERNET:last@x" + lineEnd + "END:VCARD" + lineEnd)};
        w.listFiles({w.writeContacts(QStringLiteral("a.vcf"), {"before@x"}), large.path});

        for (const bool allFields : {true, false}) {
            allFields ? w.takeAllFields() : w.takeEveryFieldGroup();
            w.click("PushButton13");
            QCOMPARE(w.resultRows(), (QStringList{"before@x", "last@x"}));
            QVERIFY(w.platform.boxes.isEmpty());
        }
    }
};

QTEST_MAIN(TestHardeningLargeInputFiles)
#include "TestHardeningLargeInputFiles.moc"
