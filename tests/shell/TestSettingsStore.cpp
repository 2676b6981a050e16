// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ErrorReport.h"
#include "shell/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace cardisto;

Q_DECLARE_METATYPE(cardisto::SettingKey)

namespace {

// The failure text a conversion throws, or the empty text when it succeeds.
template <typename Conversion> QString failureOf(Conversion&& conversion)
{
    try {
        conversion();
    } catch (const ProcedureFailure& failure) {
        return failure.description();
    }
    return QString();
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString iniPath(const QString& name = QStringLiteral("store.ini")) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void missingKey_readsTheTablesDefault_data()
    {
        QTest::addColumn<SettingKey>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Option1") << SettingKey::Option1 << "Option1"
                                 << "1";
        QTest::newRow("Option2") << SettingKey::Option2 << "Option2"
                                 << "0";
        QTest::newRow("Check1") << SettingKey::Check1 << "Check1"
                                << "0";
        QTest::newRow("Check14") << SettingKey::Check14 << "Check14"
                                 << "0";
        QTest::newRow("DecodeLines") << SettingKey::DecodeLines << "DecodeLines"
                                     << "0";
        QTest::newRow("Emails Only") << SettingKey::EmailsOnly << "Emails Only"
                                     << "0";
        QTest::newRow("Phone Numbers Only") << SettingKey::PhoneNumbersOnly << "Phone Numbers Only"
                                            << "0";
        QTest::newRow("Names Only") << SettingKey::NamesOnly << "Names Only"
                                    << "0";
        QTest::newRow("Addresses Only") << SettingKey::AddressesOnly << "Addresses Only"
                                        << "0";
        QTest::newRow("Text1") << SettingKey::Text1 << "Text1"
                               << "";
        QTest::newRow("Text2") << SettingKey::Text2 << "Text2"
                               << "";
        QTest::newRow("Text5") << SettingKey::Text5 << "Text5"
                               << "";
        QTest::newRow("StartWith") << SettingKey::StartWith << "StartWith"
                                   << "";
        QTest::newRow("EndWith") << SettingKey::EndWith << "EndWith"
                                 << "";
        QTest::newRow("Combo1") << SettingKey::Combo1 << "Combo1"
                                << "";
        QTest::newRow("LastFolder") << SettingKey::LastFolder << "LastFolder"
                                    << "";
        QTest::newRow("Snapshot") << SettingKey::Snapshot << "Snapshot"
                                  << "";
        QTest::newRow("Visit Website") << SettingKey::VisitWebsite << "Visit Website"
                                       << "True";
    }
    void missingKey_readsTheTablesDefault()
    {
        QFETCH(SettingKey, key);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        SettingsStore store(iniPath(QStringLiteral("empty.ini")));
        QCOMPARE(settingDefinition(key).name, name);
        QVERIFY(!store.contains(key));
        QCOMPARE(store.read(key), expected);
        QVERIFY(!store.contains(key)); // reading never writes
    }

    void table_listsEveryKeyOnce()
    {
        QSet<QString> names;
        for (const SettingDefinition& definition : settingTable()) {
            QCOMPARE(&settingDefinition(definition.key), &definition);
            names.insert(definition.name);
        }
        QCOMPARE(names.size(), 23);
    }

    void storedValue_isOnDiskAtOnceAndReadByAFreshStore_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "C:\\Contacts";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks kept") << "  a b  ";
        QTest::newRow("comma") << "Smith, John";
        QTest::newRow("at sign first") << "@Invalid()";
        QTest::newRow("quotes and backslashes") << "\"x\"\\\\server\\share";
        QTest::newRow("line breaks") << "a\r\nb\rc\nd";
        QTest::newRow("separators") << "a!!!QUILL!!!b|c;d=e#f";
        QTest::newRow("unicode") << QStringLiteral("Zoë Ångström — 東京 — Привет — 😀");
        QTest::newRow("long") << QString(100000, u'x') + u'y';
    }
    void storedValue_isOnDiskAtOnceAndReadByAFreshStore()
    {
        QFETCH(QString, text);
        const QString path = iniPath(QStringLiteral("roundtrip.ini"));
        QFile::remove(path);
        auto writer = std::make_unique<SettingsStore>(path);
        QVERIFY(writer->save(SettingKey::Text1, text));
        // Written through before anything else happens: a crash right now keeps the value.
        QVERIFY(QFile::exists(path));
        QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Cardisto/Text1")).toString(), text);

        SettingsStore reader(path);
        QVERIFY(reader.contains(SettingKey::Text1));
        QCOMPARE(reader.read(SettingKey::Text1), text);
    }

    void keysWithBlanks_roundTrip()
    {
        const QString path = iniPath(QStringLiteral("blanks.ini"));
        {
            SettingsStore store(path);
            store.save(SettingKey::PhoneNumbersOnly, QStringLiteral("1"));
        }
        SettingsStore store(path);
        QCOMPARE(store.read(SettingKey::PhoneNumbersOnly), QStringLiteral("1"));
        QCOMPARE(store.read(SettingKey::NamesOnly), QStringLiteral("0"));
    }

    void handEditedList_readsAsOneText()
    {
        const QString path = iniPath(QStringLiteral("edited.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Cardisto]\nText2=a, b\nCheck1=abc\n");
        file.close();
        SettingsStore store(path);
        QCOMPARE(store.read(SettingKey::Text2), QStringLiteral("a, b"));
        QCOMPARE(store.read(SettingKey::Check1), QStringLiteral("abc"));
    }

    void userStore_livesUnderCorvaneCardisto()
    {
        // The test runner points the configuration folder into the build tree.
        SettingsStore store;
        QVERIFY(store.location().contains(QStringLiteral("Corvane")));
        QVERIFY(store.save(SettingKey::LastFolder, QStringLiteral("/data")));
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Corvane", "Cardisto");
        QCOMPARE(raw.value(QStringLiteral("Cardisto/LastFolder")).toString(), QStringLiteral("/data"));
    }

    // On Windows the store is the registry: one string value per key under
    // HKEY_CURRENT_USER\Software\Corvane\Cardisto, in the key "Cardisto" (the section).
    void userStore_onWindowsIsOneRegistryStringPerKey_data()
    {
        QTest::addColumn<SettingKey>("key");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<QString>("text");
        QTest::newRow("folder") << SettingKey::LastFolder << "LastFolder" << R"(C:\Contacts\)";
        QTest::newRow("check state, name with blanks") << SettingKey::PhoneNumbersOnly << "Phone Numbers Only" << "1";
        QTest::newRow("option") << SettingKey::Option1 << "Option1" << "True";
        QTest::newRow("empty text") << SettingKey::Text2 << "Text2" << "";
        QTest::newRow("text beyond Windows-1252") << SettingKey::Text1 << "Text1" << QStringLiteral("Zoë — 東京 — 😀");
        QTest::newRow("item list") << SettingKey::Combo1 << "Combo1" << "a!!!QUILL!!!b c";
    }
    void userStore_onWindowsIsOneRegistryStringPerKey()
    {
#ifndef Q_OS_WIN
        QSKIP("the registry is Windows'");
#else
        QFETCH(SettingKey, key);
        QFETCH(QString, valueName);
        QFETCH(QString, text);
        SettingsStore store;
        QCOMPARE(store.location(), QStringLiteral("\\HKEY_CURRENT_USER\\Software\\Corvane\\Cardisto"));
        const bool existed = store.contains(key);
        const QString before = store.read(key);
        QVERIFY(store.save(key, text));

        // Read back by the system's own registry call, which takes only a string value (REG_SZ).
        wchar_t buffer[256] = {};
        DWORD size = sizeof buffer;
        const LSTATUS status = ::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Corvane\\Cardisto\\Cardisto",
                                              reinterpret_cast<const wchar_t*>(valueName.utf16()), RRF_RT_REG_SZ,
                                              nullptr, buffer, &size);
        QCOMPARE(status, LSTATUS(ERROR_SUCCESS));
        QCOMPARE(QString::fromWCharArray(buffer), text);
        // And through Qt's registry path, as a fresh store would read it.
        QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\Software\\Corvane\\Cardisto"), QSettings::NativeFormat);
        QCOMPARE(registry.value(QStringLiteral("Cardisto/") + valueName).toString(), text);

        // The other tests share this registry: leave it as found.
        if (existed)
            store.save(key, before);
        else
            registry.remove(QStringLiteral("Cardisto/") + valueName);
#endif
    }

    void toBoolean_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::addColumn<QString>("failure");
        QTest::newRow("True") << "True" << true << "";
        QTest::newRow("False") << "False" << false << "";
        QTest::newRow("true lower") << "true" << true << "";
        QTest::newRow("FALSE upper") << "FALSE" << false << "";
        QTest::newRow("one") << "1" << true << "";
        QTest::newRow("zero") << "0" << false << "";
        QTest::newRow("minus one") << "-1" << true << "";
        QTest::newRow("fraction") << "0.5" << true << "";
        QTest::newRow("zero with fraction") << "0.0" << false << "";
        QTest::newRow("exponent") << "1e3" << true << "";
        QTest::newRow("blanks around") << " 1 " << true << "";
        QTest::newRow("empty") << "" << false << "Type mismatch";
        QTest::newRow("letters") << "abc" << false << "Type mismatch";
        QTest::newRow("yes") << "yes" << false << "Type mismatch";
        QTest::newRow("number and letters") << "1x" << false << "Type mismatch";
        QTest::newRow("beyond double") << "1e400" << false << "Overflow";
    }
    void toBoolean()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QFETCH(QString, failure);
        bool value = !expected;
        QCOMPARE(failureOf([&] { value = settingToBoolean(text); }), failure);
        if (failure.isEmpty())
            QCOMPARE(value, expected);
    }

    void toCheckValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("failure");
        QTest::newRow("unticked") << "0" << 0 << "";
        QTest::newRow("ticked") << "1" << 1 << "";
        QTest::newRow("greyed") << "2" << 2 << "";
        QTest::newRow("blanks around") << " 1 " << 1 << "";
        QTest::newRow("half rounds to even down") << "2.5" << 2 << "";
        QTest::newRow("half rounds to even up") << "3.5" << 4 << "";
        QTest::newRow("smallest") << "-32768" << -32768 << "";
        QTest::newRow("largest") << "32767" << 32767 << "";
        QTest::newRow("one past largest") << "32768" << 0 << "Overflow";
        QTest::newRow("rounds past largest") << "32767.5" << 0 << "Overflow";
        QTest::newRow("one past smallest") << "-32769" << 0 << "Overflow";
        QTest::newRow("letters") << "abc" << 0 << "Type mismatch";
        QTest::newRow("empty") << "" << 0 << "Type mismatch";
        QTest::newRow("True is no number") << "True" << 0 << "Type mismatch";
    }
    void toCheckValue()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(QString, failure);
        int value = -1;
        QCOMPARE(failureOf([&] { value = settingToCheckValue(text); }), failure);
        if (failure.isEmpty())
            QCOMPARE(value, expected);
    }

    void checkStates()
    {
        QCOMPARE(checkStateFromValue(0), Qt::Unchecked);
        QCOMPARE(checkStateFromValue(1), Qt::Checked);
        QCOMPARE(checkStateFromValue(2), Qt::PartiallyChecked);
        QCOMPARE(failureOf([] { checkStateFromValue(3); }), QStringLiteral("Invalid property value"));
        QCOMPARE(failureOf([] { checkStateFromValue(-1); }), QStringLiteral("Invalid property value"));
        for (Qt::CheckState state : {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked})
            QCOMPARE(checkStateFromValue(settingToCheckValue(checkStateSettingText(state))), state);
        QCOMPARE(checkStateSettingText(Qt::Checked), QStringLiteral("1"));
        QCOMPARE(booleanSettingText(true), QStringLiteral("True"));
        QCOMPARE(booleanSettingText(false), QStringLiteral("False"));
    }

    void comboItems_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("stored");
        QTest::newRow("no items") << QStringList() << "";
        QTest::newRow("one item") << QStringList{"i"} << "i";
        QTest::newRow("three items") << QStringList{"i", " width ", "misery"} << "i!!!QUILL!!! width !!!QUILL!!!misery";
        QTest::newRow("empty items between") << QStringList{"a", "", "b"} << "a!!!QUILL!!!!!!QUILL!!!b";
    }
    void comboItems()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, stored);
        QCOMPARE(joinComboItems(items), stored);
        QCOMPARE(splitComboItems(stored), items);
    }

    void comboItemHoldingTheSeparator_comesBackAsSeveral()
    {
        QCOMPARE(splitComboItems(joinComboItems({"a!!!QUILL!!!b"})), QStringList({"a", "b"}));
    }

    void snapshotScrambling_roundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("one path") << "/opt/cardisto/Samples/a.vcf";
        QTest::newRow("joined by bars") << "C:\\P\\Samples\\a.vcf|C:\\P\\Samples\\b.vcf|";
        QTest::newRow("only bars") << "|||";
        QTest::newRow("unicode") << QStringLiteral("/home/zoë/Примеры/東京 😀.vcf");
        QTest::newRow("unpaired surrogate") << QString(QChar(0xD800)) + u'x';
        QTest::newRow("leading byte-order mark") << QString(QChar(0xFEFF)) + u'x';
        QTest::newRow("control characters") << QString::fromUtf8("\0\r\n\t", 4);
        QTest::newRow("long") << QString(20000, u'/');
    }
    void snapshotScrambling_roundTrips()
    {
        QFETCH(QString, text);
        const QString scrambled = scrambleSnapshot(text);
        QCOMPARE(unscrambleSnapshot(scrambled), text);
        QCOMPARE(scrambled.isEmpty(), text.isEmpty());
        if (!text.isEmpty()) {
            QVERIFY(!scrambled.contains(text));
            // The scrambled form is plain ASCII, safe in any store.
            for (QChar c : scrambled)
                QVERIFY(c.unicode() > 32 && c.unicode() < 127);
        }
    }

    void damagedSnapshot_isReported_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain path") << "C:\\Samples\\a.vcf";
        QTest::newRow("odd byte count") << "AA==";
        QTest::newRow("non-ascii") << QStringLiteral("ÄÄÄÄ");
    }
    void damagedSnapshot_isReported()
    {
        QFETCH(QString, stored);
        QVERIFY(failureOf([&] { unscrambleSnapshot(stored); }).contains(QStringLiteral("damaged")));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
