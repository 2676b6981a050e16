// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"

#include "ErrorReport.h"
#include "TextDecoding.h"

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <cmath>
#include <optional>
#include <utility>

namespace cardisto {

namespace {

const QString kOrganisation = QStringLiteral("Corvane");
const QString kApplication = QStringLiteral("Cardisto");
const QString kGroup = QStringLiteral("Cardisto");
const QString kComboSeparator = QStringLiteral("!!!QUILL!!!");

[[noreturn]] void typeMismatch()
{
    throw ProcedureFailure(QStringLiteral("Type mismatch"));
}

// A decimal number as the stored texts hold them: optional sign, digits with an optional
// fraction, an optional exponent, surrounding blanks allowed. No value for anything else; a
// number beyond the range of a double throws "Overflow".
std::optional<double> decimalNumber(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw ProcedureFailure(QStringLiteral("Overflow"));
    return value;
}

// The keystream that the sample-file record is mixed with; XOR makes scrambling its own inverse.
QByteArray mixWithKeystream(QByteArray bytes)
{
    static const QByteArray key = QByteArrayLiteral("Corvane-Cardisto");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto streamByte = static_cast<char>((i * 131 + 0x5A) & 0xFF);
        bytes[i] = static_cast<char>(bytes[i] ^ streamByte ^ key[i % key.size()]);
    }
    return bytes;
}

// The bytes of a file; no value when there is none (or it cannot be read).
std::optional<QByteArray> fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// QSettings writes a value longer than its write buffer straight to the file, and takes a write the
// disk cut short for a whole one when it is the file's last: it then puts the cut file in place of
// the whole one. Its INI files end with a line break, so a cut one is told by its last byte.
bool endsWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // nothing was put in place
    return file.size() == 0 || (file.seek(file.size() - 1) && file.read(1) == "\n");
}

// Puts back what a cut file replaced, written over the cut file's own room: a full disk has no
// other. No bytes: there was no file.
void putBack(const QString& path, const std::optional<QByteArray>& bytes)
{
    if (!bytes) {
        QFile::remove(path);
        return;
    }
    QFile file(path);
    if (file.open(QIODevice::ReadWrite) && file.write(*bytes) == bytes->size())
        file.resize(bytes->size());
}

} // namespace

const QList<SettingDefinition>& settingTable()
{
    static const QList<SettingDefinition> table = {
        {SettingKey::Option1, QStringLiteral("Option1"), QStringLiteral("1")},
        {SettingKey::Option2, QStringLiteral("Option2"), QStringLiteral("0")},
        {SettingKey::Check1, QStringLiteral("Check1"), QStringLiteral("0")},
        {SettingKey::Check14, QStringLiteral("Check14"), QStringLiteral("0")},
        {SettingKey::EmailsOnly, QStringLiteral("Emails Only"), QStringLiteral("0")},
        {SettingKey::PhoneNumbersOnly, QStringLiteral("Phone Numbers Only"), QStringLiteral("0")},
        {SettingKey::NamesOnly, QStringLiteral("Names Only"), QStringLiteral("0")},
        {SettingKey::AddressesOnly, QStringLiteral("Addresses Only"), QStringLiteral("0")},
        {SettingKey::Text1, QStringLiteral("Text1"), QString()},
        {SettingKey::Text2, QStringLiteral("Text2"), QString()},
        {SettingKey::Text5, QStringLiteral("Text5"), QString()},
        {SettingKey::StartWith, QStringLiteral("StartWith"), QString()},
        {SettingKey::EndWith, QStringLiteral("EndWith"), QString()},
        {SettingKey::Combo1, QStringLiteral("Combo1"), QString()},
        {SettingKey::LastFolder, QStringLiteral("LastFolder"), QString()},
        {SettingKey::Snapshot, QStringLiteral("Snapshot"), QString()},
        // Never written by the program: the user's switch for the start-up website visit.
        {SettingKey::VisitWebsite, QStringLiteral("Visit Website"), QStringLiteral("True")},
        {SettingKey::DecodeLines, QStringLiteral("DecodeLines"), QStringLiteral("0")},
        {SettingKey::WindowLeft, QStringLiteral("Window Left"), QString()},
        {SettingKey::WindowTop, QStringLiteral("Window Top"), QString()},
        {SettingKey::WindowWidth, QStringLiteral("Window Width"), QString()},
        {SettingKey::WindowHeight, QStringLiteral("Window Height"), QString()},
        {SettingKey::WindowMaximized, QStringLiteral("Window Maximized"), QStringLiteral("False")},
    };
    return table;
}

const SettingDefinition& settingDefinition(SettingKey key)
{
    // The table lists the keys in declaration order.
    return settingTable().at(static_cast<qsizetype>(key));
}

SettingsStore::SettingsStore()
    : m_settings(
          std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication))
{
    m_settings->beginGroup(kGroup);
}

SettingsStore::SettingsStore(const QString& iniFilePath)
    : m_settings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat))
{
    m_settings->beginGroup(kGroup);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(SettingKey key) const
{
    const SettingDefinition& definition = settingDefinition(key);
    const QVariant value = m_settings->value(definition.name);
    if (!value.isValid())
        return definition.defaultText;
    // An INI file edited by hand may hold an unquoted list ("a, b"); it is still one text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool SettingsStore::contains(SettingKey key) const
{
    return m_settings->contains(settingDefinition(key).name);
}

bool SettingsStore::save(SettingKey key, const QString& text)
{
    const QString iniFile = storeFile();
    const std::optional<QByteArray> before = iniFile.isEmpty() ? std::nullopt : fileBytes(iniFile);
    bool saved = writeValue(key, text);
    if (saved && !iniFile.isEmpty() && !endsWhole(iniFile)) {
        putBack(iniFile, before);
        saved = false;
    }
    return saved || reportFirstFailure();
}

bool SettingsStore::writeValue(SettingKey key, const QString& text)
{
    // The status keeps the first error met: a store read from a malformed file reports that error
    // for good, and writes over it, so only whether the file can be written tells then.
    const QSettings::Status before = m_settings->status();
    m_settings->setValue(settingDefinition(key).name, text);
    m_settings->sync();
    if (before == QSettings::NoError && m_settings->status() == QSettings::FormatError) {
        // The first sync found a malformed file and wrote nothing; the next one writes over it.
        m_settings->setValue(settingDefinition(key).name, text);
        m_settings->sync();
        return m_settings->isWritable();
    }
    return before != QSettings::NoError ? m_settings->isWritable() : m_settings->status() == QSettings::NoError;
}

QString SettingsStore::storeFile() const
{
#ifdef Q_OS_WIN
    if (m_settings->format() == QSettings::NativeFormat)
        return {}; // the registry
#endif
    return m_settings->fileName();
}

bool SettingsStore::reportFirstFailure()
{
    if (!std::exchange(m_saveFailed, true) && m_firstFailureHandler)
        m_firstFailureHandler(location());
    return false;
}

QString settingsNotSavedMessage(const QString& location)
{
    return QStringLiteral("Your settings could not be saved in ") + location +
           QStringLiteral(".\r\rThe program goes on working, but the options and texts you change now will not be "
                          "remembered the next time it starts. Check that the file and its folder can be written.");
}

void SettingsStore::onFirstSaveFailure(std::function<void(const QString& location)> handler)
{
    m_firstFailureHandler = std::move(handler);
}

QString SettingsStore::location() const
{
    return m_settings->fileName();
}

bool settingToBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> number = decimalNumber(text);
    if (!number)
        typeMismatch();
    return *number != 0.0;
}

QString booleanSettingText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

int settingToCheckValue(const QString& text)
{
    const std::optional<double> number = decimalNumber(text);
    if (!number)
        typeMismatch();
    // Halves round to the even neighbour, as whole-number conversions of the stored texts always did.
    const double rounded = std::nearbyint(*number);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw ProcedureFailure(QStringLiteral("Overflow"));
    return static_cast<int>(rounded);
}

Qt::CheckState checkStateFromValue(int value)
{
    switch (value) {
    case 0:
        return Qt::Unchecked;
    case 1:
        return Qt::Checked;
    case 2:
        return Qt::PartiallyChecked;
    default:
        throw ProcedureFailure(QStringLiteral("Invalid property value"));
    }
}

QString checkStateSettingText(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked:
        return QStringLiteral("1");
    case Qt::PartiallyChecked:
        return QStringLiteral("2");
    case Qt::Unchecked:
        break;
    }
    return QStringLiteral("0");
}

QString joinComboItems(const QStringList& items)
{
    return items.join(kComboSeparator);
}

QStringList splitComboItems(const QString& stored)
{
    if (stored.isEmpty())
        return {};
    return stored.split(kComboSeparator);
}

QString scrambleSnapshot(const QString& text)
{
    if (text.isEmpty())
        return {};
    // UTF-16 code units, two bytes each, so that every QString comes back exactly.
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        bytes[2 * i] = static_cast<char>(unit & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(unit >> 8);
    }
    return QString::fromLatin1(mixWithKeystream(bytes).toBase64());
}

QString unscrambleSnapshot(const QString& scrambled)
{
    if (scrambled.isEmpty())
        return {};
    const auto damaged = [] {
        throw ProcedureFailure(QStringLiteral("The stored record of the sample files is damaged."));
    };
    const QByteArray ascii = scrambled.toLatin1();
    if (QString::fromLatin1(ascii) != scrambled)
        damaged();
    const auto decoded = QByteArray::fromBase64Encoding(ascii, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() % 2 != 0 || decoded.decoded.toBase64() != ascii)
        damaged();
    // The code units as scrambleSnapshot wrote them; a leading U+FEFF stays part of the text.
    return decodeText(mixWithKeystream(decoded.decoded), TextEncoding::Utf16LE);
}

} // namespace cardisto
