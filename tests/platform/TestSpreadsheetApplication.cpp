// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/platform/QtPlatform.h"
#include "shell/platform/SpreadsheetApplication.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

using namespace cardisto;

namespace {

// Catches what the desktop would open instead of starting a program.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

// A search path holding only scripted stand-ins for xdg-mime and the spreadsheet programs.
class ScriptedPath {
public:
    ScriptedPath() : m_savedPath(qgetenv("PATH")) { qputenv("PATH", m_dir.path().toLocal8Bit()); }
    ~ScriptedPath() { qputenv("PATH", m_savedPath); }

    // A program that runs the shell script body.
    void addProgram(const QString& name, const QByteArray& body)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body + "\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    // xdg-mime answering the query for the default program of workbooks with `answer`.
    void addXdgMime(const QByteArray& answer, int exitCode = 0)
    {
        addProgram("xdg-mime", "[ \"$1 $2 $3\" = \"query default " + QByteArray(kWorkbookMimeType) +
                                   "\" ] || exit 9\nprintf '" + answer + "'\nexit " + QByteArray::number(exitCode));
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // An empty file standing for a Windows program; its native path.
    QString addEmptyProgram(const QString& name)
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot make %s", qPrintable(file.fileName()));
        return QDir::toNativeSeparators(file.fileName());
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_savedPath;
};

#ifdef Q_OS_WIN
bool runsUnderWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// A `.xlsx` file association in the user's part of the registry, removed again at the end. Wine
// does not show the user's classes in HKEY_CLASSES_ROOT, where the association is looked up, so
// under Wine it goes to the machine's part, which Wine lets anyone write.
class RegisteredWorkbookType {
public:
    static constexpr char kProgId[] = "Cardisto.TestWorkbook";

    static bool userHasOne() { return classes().childGroups().contains(".xlsx", Qt::CaseInsensitive); }

    // `command` as Windows runs it for the verb "open"; empty registers nothing.
    explicit RegisteredWorkbookType(const QString& command)
    {
        if (command.isEmpty())
            return;
        QSettings registry = classes();
        registry.setValue(".xlsx/.", kProgId);
        registry.setValue(QString(kProgId) + "/shell/open/command/.", command);
        registry.sync();
        QCOMPARE(registry.status(), QSettings::NoError);
    }
    ~RegisteredWorkbookType()
    {
        QSettings registry = classes();
        registry.remove(".xlsx");
        registry.remove(kProgId);
    }

private:
    static QSettings classes()
    {
        return QSettings(runsUnderWine() ? "HKEY_LOCAL_MACHINE\\Software\\Classes"
                                         : "HKEY_CURRENT_USER\\Software\\Classes",
                         QSettings::NativeFormat);
    }
};
#endif

} // namespace

class TestSpreadsheetApplication : public QObject {
    Q_OBJECT
private Q_SLOTS:
#ifdef Q_OS_WIN
    void findThroughTheFileAssociation_data()
    {
        QTest::addColumn<QString>("command"); // PROGRAM stands for the program's full path
        QTest::addColumn<QString>("program"); // the file made for it
        QTest::addColumn<bool>("found");

        QTest::newRow("quoted program") << "\"PROGRAM\" \"%1\""
                                        << "Sheet Program.exe" << true;
        QTest::newRow("bare program") << "PROGRAM %1"
                                      << "sheet.exe" << true;
        QTest::newRow("nothing registered") << ""
                                            << "sheet.exe" << false;
    }
    void findThroughTheFileAssociation()
    {
        QFETCH(QString, command);
        QFETCH(QString, program);
        QFETCH(bool, found);
        if (RegisteredWorkbookType::userHasOne())
            QSKIP("This user has a .xlsx file association of their own; it is left alone.");
        ScriptedPath path; // nothing on the search path
        const QString programPath = path.addEmptyProgram(program);
        const RegisteredWorkbookType registered(command.replace("PROGRAM", programPath));

        const std::optional<SpreadsheetApplication> application = findSpreadsheetApplication();
        QCOMPARE(application.has_value(), found);
        QCOMPARE(QtPlatform().hasSpreadsheetApplication(), found);
        if (found) {
            QCOMPARE(application->kind, SpreadsheetApplication::Kind::DesktopDefault);
            QVERIFY2(application->name.compare(programPath, Qt::CaseInsensitive) == 0, qPrintable(application->name));
        }
    }
#else
    // The scripted stand-ins are shell scripts, which only Unix runs.
    void find_data()
    {
        QTest::addColumn<QByteArray>("xdgMimeAnswer"); // "-" for no xdg-mime at all
        QTest::addColumn<int>("xdgMimeExit");
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QString>("expected"); // "default NAME", "program NAME" or "none"

        QTest::newRow("desktop default") << QByteArray("libreoffice-calc.desktop\\n") << 0 << QStringList{"gnumeric"}
                                         << "default libreoffice-calc.desktop";
        QTest::newRow("no default, Gnumeric on the path")
            << QByteArray("") << 0 << QStringList{"gnumeric"} << "program gnumeric";
        QTest::newRow("failing xdg-mime, LibreOffice on the path")
            << QByteArray("garbage") << 1 << QStringList{"soffice"} << "program soffice";
        QTest::newRow("no xdg-mime, Calc preferred")
            << QByteArray("-") << 0 << QStringList{"gnumeric", "libreoffice", "localc"} << "program localc";
        QTest::newRow("nothing") << QByteArray("") << 0 << QStringList{} << "none";
        QTest::newRow("no xdg-mime and nothing") << QByteArray("-") << 0 << QStringList{} << "none";
    }
    void find()
    {
        QFETCH(QByteArray, xdgMimeAnswer);
        QFETCH(int, xdgMimeExit);
        QFETCH(QStringList, programs);
        QFETCH(QString, expected);
        ScriptedPath path;
        if (xdgMimeAnswer != "-")
            path.addXdgMime(xdgMimeAnswer, xdgMimeExit);
        for (const QString& program : programs)
            path.addProgram(program, "exit 0");

        const std::optional<SpreadsheetApplication> found = findSpreadsheetApplication();
        QString got = QStringLiteral("none");
        if (found && found->kind == SpreadsheetApplication::Kind::DesktopDefault)
            got = "default " + found->name;
        else if (found)
            got = "program " + QFileInfo(found->name).fileName();
        QCOMPARE(got, expected);
        if (found && found->kind == SpreadsheetApplication::Kind::Program)
            QCOMPARE(found->name, path.path(QFileInfo(found->name).fileName()));
        QCOMPARE(QtPlatform().hasSpreadsheetApplication(), expected != "none");
    }

    void open_startsTheProgramFoundWithTheWorkbook()
    {
        ScriptedPath path;
        const QString record = path.path("started-with");
        path.addProgram("gnumeric", "printf '%s' \"$*\" > '" + record.toLocal8Bit() + "'");
        QtPlatform platform;
        QVERIFY(platform.openSpreadsheet("/home/user/Documents/Cardisto Results.xlsx"));
        auto recorded = [&record] {
            QFile file(record);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_COMPARE(recorded(), QByteArray("/home/user/Documents/Cardisto Results.xlsx"));
    }

    void open_usesTheDesktopForItsDefaultProgram()
    {
        ScriptedPath path;
        path.addXdgMime("org.gnome.Gnumeric.desktop\\n");
        OpenedUrls opened;
        QDesktopServices::setUrlHandler("file", &opened, "open");
        QVERIFY(QtPlatform().openSpreadsheet("/tmp/a b.xlsx"));
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile("/tmp/a b.xlsx")});
    }

    void open_withoutAnyProgram_fails()
    {
        ScriptedPath path;
        QVERIFY(!QtPlatform().openSpreadsheet("/tmp/a.xlsx"));
    }
#endif
};

QTEST_MAIN(TestSpreadsheetApplication)
#include "TestSpreadsheetApplication.moc"
