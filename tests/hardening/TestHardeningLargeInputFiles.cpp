// SPDX-License-Identifier: GPL-3.0-or-later
// Input files of extreme shape, run through "Extract All Lines" of the real main window in both field
// modes between two good files: a 200 MB file of one line and a file of ten million empty lines.
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
