// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProgramFolder.h"
#include "shell/widgets/CursorFile.h"
#include "shell/widgets/Pointers.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;
using cardisto::test::readFile;
using cardisto::test::writeFile;

namespace {

// The pointer files as the build placed them beside the programs.
const QString kBinaryDir = QStringLiteral(CARDISTO_BINARY_DIR);

std::optional<CursorImage> fromBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readCursorImage(buffer);
}

} // namespace

class TestPointers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void handPointerFile_isACursorWithItsHotSpotOnTheFingertip()
    {
        const auto cursor = readCursorImage(kBinaryDir + "/HAND-M.CUR");
        QVERIFY(cursor);
        QCOMPARE(cursor->image.size(), QSize(32, 32));
        QCOMPARE(cursor->hotSpot, QPoint(11, 2));
        QCOMPARE(qAlpha(cursor->image.pixel(11, 2)), 255);               // the fingertip's outline
        QCOMPARE(qAlpha(cursor->image.pixel(0, 0)), 0);                  // transparent around the hand
        QCOMPARE(QColor(cursor->image.pixel(11, 6)), QColor(Qt::white)); // inside the finger
    }

    void dragPointerFile_isAnIconWithoutHotSpot()
    {
        const auto cursor = readCursorImage(kBinaryDir + "/drag.ico");
        QVERIFY(cursor);
        QCOMPARE(cursor->image.size(), QSize(32, 32));
        QCOMPARE(cursor->hotSpot, QPoint(-1, -1));
        QCOMPARE(QColor(cursor->image.pixel(16, 16)), QColor(Qt::white)); // the centre of the cross
    }

    void notACursorFile_data()
    {
        const QByteArray hand = readFile(kBinaryDir + "/HAND-M.CUR");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("This is no cursor, only text that is long enough.");
        QTest::newRow("only the directory") << hand.left(22);
        QTest::newRow("cut in the image") << hand.left(200);
        QByteArray bitmapType = hand;
        bitmapType[2] = 3;
        QTest::newRow("unknown resource type") << bitmapType;
        QByteArray noImages = hand;
        noImages[4] = 0;
        QTest::newRow("no images") << noImages;
    }
    void notACursorFile()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!fromBytes(bytes));
    }

    void hotSpotOutsideTheImage_isKeptInside()
    {
        QByteArray hand = readFile(kBinaryDir + "/HAND-M.CUR");
        hand[10] = char(200); // x of the hot spot
        const auto cursor = fromBytes(hand);
        QVERIFY(cursor);
        QCOMPARE(cursor->hotSpot, QPoint(31, 2));
    }

    void pointersFromTheProgramFolder()
    {
        const ProgramFolder folder(kBinaryDir);
        const QCursor hand = loadHandPointer(folder);
        QCOMPARE(hand.shape(), Qt::BitmapCursor);
        QCOMPARE(hand.hotSpot(), QPoint(11, 2));
        const auto drag = loadDragPointer(folder);
        QVERIFY(drag);
        QCOMPARE(drag->shape(), Qt::BitmapCursor);
    }

    void missingPointerFiles_fallBack()
    {
        QTemporaryDir empty;
        QCOMPARE(loadHandPointer(ProgramFolder(empty.path())).shape(), Qt::PointingHandCursor);
        QVERIFY(!loadDragPointer(ProgramFolder(empty.path())));
    }

    void unreadablePointerFiles_fallBack()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("HAND-M.CUR"), "garbage");
        writeFile(folder.filePath("drag.ico"), "garbage");
        QCOMPARE(loadHandPointer(ProgramFolder(folder.path())).shape(), Qt::PointingHandCursor);
        QVERIFY(!loadDragPointer(ProgramFolder(folder.path())));
    }
};

QTEST_MAIN(TestPointers)
#include "TestPointers.moc"
