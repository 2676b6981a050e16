// SPDX-License-Identifier: GPL-3.0-or-later
// The disk filling up under the real main window while it writes: the aligned text file, the
// workbook and the settings store. Each is tried on a small file system that is full (when the
// superuser can mount one) and under a limit on the size of a file (which works for everyone): one
// clear message, what was there before kept whole, no half-written file left, and once there is
// room again the same command succeeds.

#include "output/FileSizeLimit.h"
#include "mainwindow/Form1Fixture.h"
#include "shell/ErrorReport.h"
#include "support/SmallDisk.h"

#include <QCryptographicHash>
#include <QLineEdit>
#include <optional>

using namespace cardisto;
using namespace cardisto::test;

namespace {

enum class Target { TextFile, Workbook, Settings };
enum class Fault { FileSizeLimit, FullDisk };

const QByteArray kOldResults = "the results saved before\r\n";
const QByteArray kOldSettings = "[Cardisto]\nText1=kept\n";

// Results that do not compress much, so that the workbook needs room too.
void fillResults(ResultsModel& results)
{
    for (int row = 0; row < 3000; ++row)
        results.appendRow(QString::fromLatin1(QCryptographicHash::hash(QByteArray::number(row), QCryptographicHash::Sha1).toHex()));
    results.commitPendingRows();
}

// HOME for the workbook's documents folder, given back at the end.
class HomeFolder {
public:
    explicit HomeFolder(const QString& home) : m_saved(qgetenv("HOME")) { qputenv("HOME", QFile::encodeName(home)); }
    ~HomeFolder() { qputenv("HOME", m_saved); }

private:
    QByteArray m_saved;
};

} // namespace

Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(Fault)

class TestHardeningFullDisk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writingOnAFullDisk_data()
    {
        QTest::addColumn<Target>("target");
        QTest::addColumn<Fault>("fault");
        for (const auto& [target, name] : {std::pair{Target::TextFile, "text file"}, {Target::Workbook, "workbook"},
                                           {Target::Settings, "settings"}}) {
            QTest::addRow("%s, full disk", name) << target << Fault::FullDisk;
            QTest::addRow("%s, file size limit", name) << target << Fault::FileSizeLimit;
        }
    }

    void writingOnAFullDisk()
    {
        QFETCH(Target, target);
        QFETCH(Fault, fault);
        if (fault == Fault::FileSizeLimit && !kFileSizeLimits)
            QSKIP("Windows cannot limit a file's size; a full disk is not made for a test");
        Form1Fixture f;
        const QString folder = QFileInfo(f.settingsFile()).path();
        std::optional<SmallDisk> disk;
        if (fault == Fault::FullDisk) {
            disk.emplace(folder, 1024 * 1024);
            if (!disk->mounted())
                QSKIP(qPrintable(disk->whyNot()));
        }
        const QString documents = folder + QStringLiteral("/Documents");
        QVERIFY(QDir().mkpath(documents) && QDir().mkpath(f.programFolder()));
        const HomeFolder home(folder);
        const QString results = writeFile(folder + QStringLiteral("/results.txt"), kOldResults);
        writeFile(f.settingsFile(), kOldSettings);
        f.start();
        fillResults(f.form().results());
        const QStringList entriesBefore = folderEntries(folder);
        const QByteArray settingsBefore = readFile(f.settingsFile()); // as the start left them

        const auto write = [&](char16_t letter) {
            switch (target) {
            case Target::TextFile:
                f.platform.chooseSaveName(results);
                f.platform.answerYes();
                f.control<QPushButton>("PushButton6")->click();
                break;
            case Target::Workbook:
                f.control<QPushButton>("PushButton12")->click();
                break;
            case Target::Settings:
                f.control<QLineEdit>("Text1")->setText(QString(100000, letter));
                break;
            }
        };
        const auto entriesOf = [](const QString& path) {
            QStringList entries = folderEntries(path);
            entries.removeAll(QStringLiteral(".filler"));
            return entries;
        };
        {
            std::optional<FileSizeLimit> limit;
            if (fault == Fault::FileSizeLimit)
                limit.emplace(20000);
            else
                QVERIFY(disk->leaveFree(8192));
            write(u'x');
        }

        // One message: the error box of the save, or the settings' own note.
        if (target == Target::Settings) {
            QCOMPARE(f.platform.messages(), QStringList{settingsNotSavedMessage(f.store().location())});
            QVERIFY(f.platform.errors().isEmpty());
        } else {
            QCOMPARE(f.platform.errors().size(), 1);
            QVERIFY(f.platform.messages().isEmpty());
        }
        QCOMPARE(readFile(results), kOldResults);
        QCOMPARE(readFile(f.settingsFile()), settingsBefore);
        QCOMPARE(entriesOf(folder), entriesBefore);
        QCOMPARE(entriesOf(documents), QStringList());
        QVERIFY(!f.form().isBusy());

        // With room again the same command succeeds; the settings were never lost meanwhile.
        if (disk)
            disk->makeRoom();
        f.platform.boxes.clear();
        write(u'y');
        QVERIFY(f.platform.errors().isEmpty());
        switch (target) {
        case Target::TextFile:
            QCOMPARE(f.platform.messages(), QStringList{"Done."});
            QVERIFY(readFile(results).size() > 3000 * 40);
            break;
        case Target::Workbook:
            QCOMPARE(folderEntries(documents).size(), 1);
            break;
        case Target::Settings:
            QVERIFY(f.platform.messages().isEmpty());
            QCOMPARE(f.restart().controls().Text1->text(), QString(100000, u'y'));
            break;
        }
    }
};

QTEST_MAIN(TestHardeningFullDisk)
#include "TestHardeningFullDisk.moc"
