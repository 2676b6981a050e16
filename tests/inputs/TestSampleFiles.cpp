// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderTree.h"
#include "conversion/VcfConverter.h"
#include "inputs/InputCommands.h"
#include "inputs/InputFileList.h"
#include "inputs/SampleFiles.h"
#include "shell/FileHelpers.h"
#include "shell/SettingsStore.h"
#include "support/FakePlatform.h"
#include "support/RecordingErrorReporter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;
using cardisto::test::FakePlatform;
using cardisto::test::makeFolderTree;
using cardisto::test::RecordingErrorReporter;

namespace {

// A program folder of its own and the settings store of one user, across several starts.
struct Installation {
    Installation() : settings(dir.filePath("settings.ini")), programFolder(dir.filePath("program")) {}
    QTemporaryDir dir;
    SettingsStore settings;
    ProgramFolder programFolder;
    QString samples() const { return programFolder.path() + QStringLiteral("/Samples"); }
};

struct PressButton {
    explicit PressButton(Installation& installation)
        : context{list, platform, installation.settings, reporter, installation.programFolder, {}, {}}
    {}
    InputFileList list;
    FakePlatform platform;
    RecordingErrorReporter reporter;
    InputCommandContext context;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSampleFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The first start without samples and the second press are driven through the window in
    // TestForm1InputSources; here the record itself and what the loader skips.
    void recordListsTheFolderOnceInWindowsOrder()
    {
        Installation installation;
        recordSampleSnapshotOnFirstStart(installation.settings, installation.programFolder); // no folder yet
        QCOMPARE(installation.settings.read(SettingKey::Snapshot), QString());
        QVERIFY(makeFolderTree(installation.samples(), {"b.vcf", "A.vcf", "notes.txt", "sub/c.vcf"}));
        recordSampleSnapshotOnFirstStart(installation.settings, installation.programFolder);
        const QString prefix = QDir::toNativeSeparators(installation.samples() + u'/');
        const QStringList recorded{prefix + "A.vcf", prefix + "b.vcf", prefix + "notes.txt"};
        QCOMPARE(recordedSampleFiles(installation.settings), recorded);
        QVERIFY(installation.settings.read(SettingKey::Snapshot) != recorded.join(u'|')); // stored scrambled
        // Written once: a later change to the folder does not change the record.
        QVERIFY(makeFolderTree(installation.samples(), {"0-new.vcf"}));
        recordSampleSnapshotOnFirstStart(installation.settings, installation.programFolder);
        QCOMPARE(recordedSampleFiles(installation.settings), recorded);
    }

    void loaderSkipsListedTextsAndVanishedFiles()
    {
        Installation installation;
        QVERIFY(makeFolderTree(installation.samples(), {"a.vcf", "b.vcf", "c.vcf"}));
        RecordSampleSnapshot(installation.settings, installation.programFolder);
        const QString prefix = QDir::toNativeSeparators(installation.samples() + u'/');
        PressButton press(installation);
        press.list.append(prefix + "b.vcf");      // listed already: not again
        press.list.append(prefix + "A.vcf");      // differs in letter case: not the same row
        QVERIFY(QFile::remove(prefix + "c.vcf")); // gone since it was recorded: skipped
        loadSampleExampleFiles(press.context);
        QCOMPARE(press.list.texts(), (QStringList{prefix + "b.vcf", prefix + "A.vcf", prefix + "a.vcf"}));
        QCOMPARE(press.platform.questions(), QStringList{openSampleFolderQuestion()});
        QVERIFY(press.platform.openedFolders().isEmpty()); // answered No
        QVERIFY(press.reporter.reports.isEmpty());
    }

    // An installed copy keeps no Samples beside the executable: the record and the folder to open
    // come from its data folder.
    void installedCopyRecordsAndOpensTheInstalledSamples()
    {
        Installation installation;
        const QString installed = installation.dir.filePath("share/cardisto");
        installation.programFolder = ProgramFolder(installation.dir.filePath("bin"), {installed});
        QVERIFY(makeFolderTree(installed + QStringLiteral("/Samples"), {"a.vcf", "b.vcf"}));
        recordSampleSnapshotOnFirstStart(installation.settings, installation.programFolder);
        const QString prefix = QDir::toNativeSeparators(installed + QStringLiteral("/Samples/"));
        QCOMPARE(recordedSampleFiles(installation.settings), (QStringList{prefix + "a.vcf", prefix + "b.vcf"}));
        PressButton press(installation);
        press.platform.answerYes();
        loadSampleExampleFiles(press.context);
        QCOMPARE(press.list.texts(), (QStringList{prefix + "a.vcf", prefix + "b.vcf"}));
        QCOMPARE(press.platform.openedFolders(), QStringList{prefix});
    }

    void damagedRecordIsReportedAndNothingAdded()
    {
        Installation installation;
        installation.settings.save(SettingKey::Snapshot, QStringLiteral("not a record!"));
        PressButton press(installation);
        loadSampleExampleFiles(press.context);
        QCOMPARE(press.list.count(), 0);
        QCOMPARE(press.reporter.reports.size(), 1);
        QCOMPARE(press.reporter.reports[0].location, QStringLiteral("in Velmora2021/08/31.Form1.PushButton23_Click "));
    }

    // The files shipped in Samples beside the binaries.
    void shippedSamplesCoverTheFormatsAndEveryFieldGroup()
    {
        const QDir samples(QStringLiteral(CARDISTO_BINARY_DIR "/Samples"));
        const QStringList names = samples.entryList(QDir::Files, QDir::Name);
        QVERIFY2(names.size() >= 6 && names.size() <= 10, qPrintable(names.join(u' ')));
        QSet<QString> versions;
        bool utf16 = false;
        QString allNames;
        FieldGroups found;
        for (const QString& name : names) {
            QVERIFY(name.endsWith(u".vcf"));
            const QByteArray bytes = readAll(samples.filePath(name));
            utf16 = utf16 || bytes.startsWith("\xff\xfe");
            const QString text = bytes.startsWith("\xff\xfe")
                                     ? QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                                          (bytes.size() - 2) / 2)
                                     : QString::fromLatin1(bytes);
            for (const char* version : {"2.1", "3.0", "4.0"}) {
                if (text.contains(QStringLiteral("VERSION:") + QLatin1String(version)))
                    versions.insert(QLatin1String(version));
            }
            QVERIFY2(!convertVcfBytes(bytes, ConversionChoice::allFields()).isEmpty(), qPrintable(name));
            const auto group = [&bytes](FieldGroups groups) {
                return convertVcfBytes(bytes, ConversionChoice::someFields(groups));
            };
            found.emails = found.emails || !group({true, false, false, false}).isEmpty();
            found.phones = found.phones || !group({false, true, false, false}).isEmpty();
            found.addresses = found.addresses || !group({false, false, false, true}).isEmpty();
            allNames += group({false, false, true, false});
        }
        QCOMPARE(versions, (QSet<QString>{"2.1", "3.0", "4.0"}));
        QVERIFY(utf16);
        QVERIFY(found.emails && found.phones && found.addresses && !allNames.isEmpty());
        // Accented names come through, from UTF-8, Windows-1252 and UTF-16 files alike.
        QVERIFY(allNames.contains(u'é') && allNames.contains(u'ã') && allNames.contains(u'ü'));
    }
};

QTEST_GUILESS_MAIN(TestSampleFiles)
#include "TestSampleFiles.moc"
