// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/platform/FileDialogFilter.h"

#include <QTest>

using namespace cardisto;

class TestFileDialogFilter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void qtNameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("vCard files") << "VCF Files (*.vcf)|*.vcf|" << QStringList{"VCF Files (*.vcf)"};
        QTest::newRow("all files lists names without a dot") << "All Files (*.*)|*.*|" << QStringList{"All Files (*)"};
        QTest::newRow("text then all") << "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"
                                       << QStringList{"Text Files (*.txt)", "All Files (*)"};
        QTest::newRow("no closing bar") << "VCF Files (*.vcf)|*.vcf" << QStringList{"VCF Files (*.vcf)"};
        QTest::newRow("several patterns")
            << "Cards (*.vcf;*.vcard)|*.vcf;*.vcard|" << QStringList{"Cards (*.vcf *.vcard)"};
        QTest::newRow("pattern list from the pattern, not the description")
            << "Cards (old)|*.vcf|" << QStringList{"Cards (*.vcf)"};
        QTest::newRow("description without patterns") << "Cards|*.vcf|" << QStringList{"Cards (*.vcf)"};
        QTest::newRow("missing pattern means all") << "Anything|" << QStringList{"Anything (*)"};
        QTest::newRow("empty description") << "|*.vcf|" << QStringList{"*.vcf (*.vcf)"};
        QTest::newRow("empty filter") << "" << QStringList();
    }
    void qtNameFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(cardisto::qtNameFilters(filter), expected);
    }
};

QTEST_GUILESS_MAIN(TestFileDialogFilter)
#include "TestFileDialogFilter.moc"
