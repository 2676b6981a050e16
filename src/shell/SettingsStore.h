// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtCore/qnamespace.h>
#include <functional>
#include <memory>

class QSettings;

namespace cardisto {

// Every value the program remembers between runs. The key texts are the names under which the
// values are stored, so they never change.
enum class SettingKey {
    Option1,
    Option2,
    Check1,
    Check14,
    EmailsOnly,
    PhoneNumbersOnly,
    NamesOnly,
    AddressesOnly,
    Text1,
    Text2,
    Text5,
    StartWith,
    EndWith,
    Combo1,
    LastFolder,
    Snapshot,
    VisitWebsite,
    DecodeLines,
    // The main window's place on the screen, written when it closes.
    WindowLeft,
    WindowTop,
    WindowWidth,
    WindowHeight,
    WindowMaximized,
};

struct SettingDefinition {
    SettingKey key;
    QString name;        // the stored key, e.g. "Emails Only"
    QString defaultText; // what a key that was never written reads as
};

// The one table of keys and defaults, in declaration order.
const QList<SettingDefinition>& settingTable();
const SettingDefinition& settingDefinition(SettingKey key);

// Per-user text values under organisation "Corvane", application "Cardisto", group "Cardisto"
// (the registry on Windows, an INI file elsewhere). Nothing is cached: every change is written to
// disk at once, so the last state survives a crash right after it.
class SettingsStore {
public:
    // The user's own store.
    SettingsStore();
    // A store in an INI file of the caller's choice (tests, portable installs).
    explicit SettingsStore(const QString& iniFilePath);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text, or the table's default when the key was never written.
    QString read(SettingKey key) const;
    bool contains(SettingKey key) const;

    // Writes the text and flushes it to disk; false when the store could not be written.
    bool save(SettingKey key, const QString& text);

    // Called with the store's location at the first save that fails, once per store: every window
    // writes through the one store, so the user hears of it once, whichever window it was.
    void onFirstSaveFailure(std::function<void(const QString& location)> handler);

    // Where the values live: a file path, or a registry path on Windows.
    QString location() const;

private:
    // Sets the value and writes the store; false when it could not.
    bool writeValue(SettingKey key, const QString& text);
    // The INI file the store writes; empty for the registry.
    QString storeFile() const;
    // Tells the handler of the first failure, once; returns false.
    bool reportFirstFailure();

    std::unique_ptr<QSettings> m_settings;
    std::function<void(const QString&)> m_firstFailureHandler;
    bool m_saveFailed = false;
};

// What the user is told when the store could not be written, naming where it lives.
QString settingsNotSavedMessage(const QString& location);

// Conversions of stored texts, as start-up applies them. Each throws ProcedureFailure with
// "Type mismatch" for a text that is no number or truth value and "Overflow" for a number out of
// range, so the start-up guard reports the step and leaves the control as it was.

// "True"/"False" in any letter case, or a decimal number where anything but zero is true.
bool settingToBoolean(const QString& text);
QString booleanSettingText(bool value); // "True" or "False"

// The whole-number value of a check box (-32768..32767; fractions round half to even).
int settingToCheckValue(const QString& text);
// 0 unticked, 1 ticked, 2 greyed; any other value throws "Invalid property value".
Qt::CheckState checkStateFromValue(int value);
QString checkStateSettingText(Qt::CheckState state); // "0", "1" or "2"

// The item list of the text-set window as one stored text, joined by "!!!QUILL!!!". An empty list
// is the empty text and the empty text is an empty list.
QString joinComboItems(const QStringList& items);
QStringList splitComboItems(const QString& stored);

// The reversible scrambling of the sample-file record. The empty text stays empty; any text,
// including unpaired UTF-16 surrogates, comes back unchanged. Unscrambling a text that was not
// produced by scrambleSnapshot throws ProcedureFailure.
QString scrambleSnapshot(const QString& text);
QString unscrambleSnapshot(const QString& scrambled);

} // namespace cardisto
