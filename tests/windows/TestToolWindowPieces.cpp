// SPDX-License-Identifier: GPL-3.0-or-later
#include "extraction/ExtractBetween.h"
#include "extraction/TextSetMatching.h"
#include "extraction/windows/TextSetList.h"
#include "extraction/windows/ToolWindowHelp.h"
#include "extraction/windows/WindowPointers.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace cardisto;

namespace {

QStringList helpLines(const QString& text)
{
    return text.split(u'\r');
}

} // namespace

class TestToolWindowPieces : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textSetList_changesAreSignalledAsOneStepEach()
    {
        TextSetList list;
        QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
        list.append(QStringList{"a", " b ", "a"});
        list.append(QStringList{});
        list.append(QString("c"));
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(inserted.at(0).at(1).toInt(), 0);
        QCOMPARE(inserted.at(0).at(2).toInt(), 2);
        QCOMPARE(list.items(), (QStringList{"a", " b ", "a", "c"}));
        QCOMPARE(list.data(list.index(1)).toString(), QString(" b "));

        QVERIFY(!list.removeAt(4));
        QVERIFY(!list.removeAt(-1));
        QVERIFY(list.removeAt(0));
        QCOMPARE(list.items(), (QStringList{" b ", "a", "c"}));
        list.clear();
        QCOMPARE(list.rowCount(), 0);
    }

    void windowPointers_hourglassCoversEverythingAndLeavesNoTrace()
    {
        QWidget window;
        auto* button = new QPushButton("Help", &window);
        auto* box = new QLineEdit(&window);
        auto* combo = new QComboBox(&window);
        WindowPointers pointers(window);
        pointers.setHandPointer(QCursor(Qt::PointingHandCursor), {button});

        pointers.setBusy(true);
        pointers.setBusy(true); // a second file of the same run
        for (QWidget* widget : QList<QWidget*>{&window, button, box, combo})
            QCOMPARE(widget->cursor().shape(), Qt::WaitCursor);

        pointers.setBusy(false);
        QVERIFY(!pointers.isBusy());
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(box->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!combo->testAttribute(Qt::WA_SetCursor));
    }

    // The stretches the command lists are those the message names, with the start marker in front;
    // in the mailing sample the closing quote before " target" comes along.
    void betweenHelp_samplesGiveWhatTheMessageNames()
    {
        const QStringList lines = helpLines(betweenMarkersHelpText());
        QCOMPARE(lines.size(), 28);
        QCOMPARE(ExtractBetween(lines.at(2), lines.at(5), lines.at(6)),
                 (QStringList{lines.at(5) + lines.at(10), lines.at(5) + lines.at(11)}));

        const QString address = lines.at(25);
        QVERIFY(address.endsWith(".example"));
        QVERIFY(lines.at(17).contains("remove=" + address + "\" target"));
        QCOMPARE(ExtractBetween(lines.at(17), lines.at(20), lines.at(21)), QStringList{"remove=" + address + "\""});
    }

    void textSetHelp_verseHasItsShape()
    {
        const QStringList lines = helpLines(textSetHelpText());
        QCOMPARE(lines.size(), 33);
        QCOMPARE(lines.at(2), QString("Add what you want to search for into the set by selecting \"Add Text\""));
        QCOMPARE(lines.mid(20, 7), (QStringList{"Containing Text:", "", "i", "width", "misery", "", "Results:"}));
        const QStringList verse = lines.mid(8, 11);
        for (int group : {0, 5}) {
            for (int i = 0; i < 4; ++i) {
                const QString& line = verse.at(group + i);
                const bool indented = i % 2 == 1;
                QCOMPARE(line.startsWith("   "), indented);
                QVERIFY(line.at(indented ? 3 : 0) != u' ');
            }
        }
        QVERIFY(verse.at(4).isEmpty());
        QVERIFY(verse.at(9).isEmpty());
        QVERIFY(verse.at(10).startsWith("- "));
        QVERIFY(verse.at(10).size() > 3);
    }

    // The results the message promises are what the matching finds in the sample file.
    void textSetHelp_resultsAreWhatTheMatchingFinds()
    {
        const QStringList lines = helpLines(textSetHelpText());
        const QStringList sampleFile = lines.mid(8, 11);
        const QStringList items = lines.mid(22, 3);
        QStringList found;
        for (const QString& line : sampleFile) {
            if (MatchingItemCount(line, items) > 0)
                found.append(line.trimmed());
        }
        QCOMPARE(found, lines.mid(28, 5));
        QCOMPARE(found.size(), 5);
    }
};

QTEST_MAIN(TestToolWindowPieces)
#include "TestToolWindowPieces.moc"
