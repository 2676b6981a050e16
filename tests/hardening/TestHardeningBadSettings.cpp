// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files that hold what the program cannot use, met by the real main window at start-up:
// an unconvertible text for every key that is converted, values of other types that an INI file can
// hold, a damaged record of the sample files, and a file that is no settings file at all.

#include "BinaryContent.h"
#include "extraction/windows/Form2.h"
#include "inputs/SampleFiles.h"
#include "mainwindow/Form1Fixture.h"
#include "shell/ErrorReport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

using namespace cardisto;
using namespace cardisto::test;

namespace {

struct KeyedCheckBox {
    const char* name;
    const char* key; // as the INI file spells it
};
const KeyedCheckBox kCheckBoxes[] = {
    {"Check14", "Check14"},      {"Check1", "Check1"},
    {"Check3", "Emails%20Only"}, {"Check4", "Phone%20Numbers%20Only"},
    {"Check6", "Names%20Only"},  {"Check8", "Addresses%20Only"},
};

// Every convertible key holds a valid value that differs from how the window was designed.
const QStringList kValidValues = {
    "Option1=False",   "Option2=True",       "Check1=1",
    "Check14=1",       "Emails%20Only=1",    "Phone%20Numbers%20Only=1",
    "Names%20Only=1",  "Addresses%20Only=1", "Text1=contain",
    "Text2=leave out", "Text5=\"2,4\"",
};

// The valid values with some replaced, as the lines of the group "Cardisto".
QByteArray settingsWith(const QStringList& replacements)
{
    QStringList lines = kValidValues;
    for (const QString& replacement : replacements) {
        const QString key = replacement.section(u'=', 0, 0);
        for (QString& line : lines) {
            if (line.section(u'=', 0, 0) == key)
                line = replacement;
        }
    }
    return ("[Cardisto]\n" + lines.join(u'\n') + u'\n').toUtf8();
}

QString formLoadError(const QString& description, int line)
{
    return errorBoxText(description, ErrorLocation::velmora(QStringLiteral("Form1"), QStringLiteral("Form_Load")),
                        line);
}

} // namespace

class TestHardeningBadSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unconvertibleValues_data()
    {
        QTest::addColumn<QStringList>("replacements");
        QTest::addColumn<QStringList>("errors"); // "description@line"

        // The partner option is set so that it leaves the failing one as designed.
        QTest::newRow("Option1: letters")
            << QStringList{"Option1=maybe", "Option2=False"} << QStringList{"Type mismatch@120"};
        QTest::newRow("Option2: beyond any number")
            << QStringList{"Option1=True", "Option2=1e999"} << QStringList{"Overflow@122"};
        QTest::newRow("Check14: out of range") << QStringList{"Check14=40000"} << QStringList{"Overflow@126"};
        QTest::newRow("Check1: letters") << QStringList{"Check1=ticked"} << QStringList{"Type mismatch@128"};
        QTest::newRow("Emails Only: no check state")
            << QStringList{"Emails%20Only=3"} << QStringList{"Invalid property value@130"};
        QTest::newRow("Phone Numbers Only: empty")
            << QStringList{"Phone%20Numbers%20Only="} << QStringList{"Type mismatch@132"};
        QTest::newRow("Names Only: a rectangle")
            << QStringList{"Names%20Only=@Rect(1 2 3 4)"} << QStringList{"Type mismatch@134"};
        QTest::newRow("Addresses Only: negative")
            << QStringList{"Addresses%20Only=-1"} << QStringList{"Invalid property value@136"};
        QTest::newRow("every key at once")
            << QStringList{"Option1=maybe",           "Option2=perhaps",     "Check1=1,5",
                           "Check14=@ByteArray(\\0)", "Emails%20Only=2 1",   "Phone%20Numbers%20Only=x1",
                           "Names%20Only=@Size(3 4)", "Addresses%20Only=yes"}
            << QStringList{"Type mismatch@120", "Type mismatch@122", "Type mismatch@126", "Type mismatch@128",
                           "Type mismatch@130", "Type mismatch@132", "Type mismatch@134", "Type mismatch@136"};
    }

    // Each failing step shows the error box at Form1.Form_Load; start-up goes on, the control keeps
    // the state the window was designed with, and every other control takes its stored value.
    void unconvertibleValues()
    {
        QFETCH(QStringList, replacements);
        QFETCH(QStringList, errors);
        Form1Fixture f;
        writeFile(f.settingsFile(), settingsWith(replacements));
        f.start();

        QStringList expectedErrors;
        for (const QString& error : errors)
            expectedErrors.append(formLoadError(error.section(u'@', 0, 0), error.section(u'@', 1).toInt()));
        QCOMPARE(f.platform.errors(), expectedErrors);
        QCOMPARE(f.platform.boxes.size(), expectedErrors.size());

        // A row replaces its failing keys only, and for a failing option also its partner.
        const auto replaced = [&](const char* key) {
            return std::any_of(replacements.begin(), replacements.end(), [&](const QString& replacement) {
                return replacement.section(u'=', 0, 0) == QLatin1String(key);
            });
        };
        // "All Fields" is the designed option; a row that breaks an option keeps it.
        const bool allFields = replaced("Option1") || replaced("Option2");
        QCOMPARE(f.control<QRadioButton>("Option1")->isChecked(), allFields);
        QCOMPARE(f.control<QRadioButton>("Option2")->isChecked(), !allFields);
        for (const KeyedCheckBox& box : kCheckBoxes) {
            auto* check = f.control<QCheckBox>(box.name);
            QCOMPARE(check->checkState(), replaced(box.key) ? Qt::Unchecked : Qt::Checked);
            if (QByteArrayView(box.name) != "Check1" && QByteArrayView(box.name) != "Check14")
                QCOMPARE(check->isEnabled(), !allFields);
        }
        QCOMPARE(f.control<QLineEdit>("Text1")->text(), QStringLiteral("contain"));
        QCOMPARE(f.control<QLineEdit>("Text2")->text(), QStringLiteral("leave out"));
        QCOMPARE(f.control<QLineEdit>("Text5")->text(), QStringLiteral("2,4"));
    }

    // An INI file may hold lists, byte arrays and values of types Qt cannot load; the text keys take
    // what can be read as text and otherwise start empty.
    void textKeysOfOtherTypes()
    {
        Form1Fixture f;
        writeFile(f.settingsFile(), "[Cardisto]\nText1=a, b\nText2=@ByteArray(xyz)\n"
                                    "Text5=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6QNoSuchType\\0)\n"
                                    "StartWith=@Point(1 2)\nEndWith=\"unended\n");
        f.start();
        QCOMPARE(f.control<QLineEdit>("Text1")->text(), QStringLiteral("a, b"));
        QCOMPARE(f.control<QLineEdit>("Text2")->text(), QStringLiteral("xyz"));
        QCOMPARE(f.control<QLineEdit>("Text5")->text(), QString());
        f.control<QPushButton>("PushButton4")->click();
        auto* between = f.form().findChild<Form2*>();
        QCOMPARE(between->findChild<QLineEdit*>("Text3")->text(), QString());
        QCOMPARE(between->findChild<QLineEdit*>("Text4")->text(), QStringLiteral("unended\n"));
        QVERIFY(f.platform.boxes.isEmpty());
    }

    // A record that cannot be read back is made again at start-up, so that the sample files stay
    // within reach, and the start-up says so.
    void damagedSampleRecord()
    {
        Form1Fixture f;
        QVERIFY(QDir(f.programFolder()).mkpath(QStringLiteral("Samples")));
        const QString sample = f.writeFile(QStringLiteral("program/Samples/a.vcf"), "EMAIL:a@x\r\n");
        writeFile(f.settingsFile(), "[Cardisto]\nSnapshot=not a record!\n");
        f.start();
        QCOMPARE(f.platform.errors(),
                 QStringList{formLoadError(QStringLiteral("The stored record of the sample files was damaged; the "
                                                          "sample files have been recorded again."),
                                           108)});

        f.platform.boxes.clear();
        f.control<QPushButton>("PushButton23")->click();
        QCOMPARE(f.form().inputFiles().texts(), QStringList{sample});
        QCOMPARE(f.platform.questions(), QStringList{openSampleFolderQuestion()});
        QVERIFY(f.platform.errors().isEmpty());

        f.restart();
        QVERIFY(f.platform.errors().isEmpty());
    }

    // A file that is no settings file at all: the window starts as on the first start, and what
    // the user changes is kept for the next start.
    void settingsFileOfRandomBytes()
    {
        Form1Fixture f;
        writeFile(f.settingsFile(), randomBytes(99, 4096));
        f.start();
        QVERIFY(f.control<QRadioButton>("Option1")->isChecked());
        QCOMPARE(f.control<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
        QVERIFY2(f.platform.boxes.isEmpty(), qPrintable(f.platform.boxes.value(0).text));

        f.control<QCheckBox>("Check1")->click();
        QTest::keyClicks(f.control<QLineEdit>("Text1"), QStringLiteral("kept"));
        f.control<QPushButton>("PushButton4")->click();
        QTest::keyClicks(f.form().findChild<Form2*>()->findChild<QLineEdit*>("Text3"), QStringLiteral("<b>"));
        QVERIFY(f.platform.boxes.isEmpty());

        f.restart();
        QCOMPARE(f.control<QCheckBox>("Check1")->checkState(), Qt::Checked);
        QCOMPARE(f.control<QLineEdit>("Text1")->text(), QStringLiteral("kept"));
        f.control<QPushButton>("PushButton4")->click();
        QCOMPARE(f.form().findChild<Form2*>()->findChild<QLineEdit*>("Text3")->text(), QStringLiteral("<b>"));
        QVERIFY(f.platform.boxes.isEmpty());
    }
};

QTEST_MAIN(TestHardeningBadSettings)
#include "TestHardeningBadSettings.moc"
