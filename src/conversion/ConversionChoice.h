// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace cardisto {

// The four field groups of "Some Fields:".
struct FieldGroups {
    bool emails = false;
    bool phones = false;
    bool names = false;
    bool addresses = false;

    static FieldGroups all() { return {true, true, true, true}; }
    bool operator==(const FieldGroups&) const = default;
};

enum class FieldMode { AllFields, SomeFields };

struct ConversionChoice {
    FieldMode mode = FieldMode::AllFields;
    FieldGroups groups;
    // "Read vCards as the standard defines them" (settings key DecodeLines, cardisto-cli --decode):
    // the standard reading of StandardConversion instead of the literal one. Off by default.
    bool decodeLines = false;

    static ConversionChoice allFields() { return {FieldMode::AllFields, {}}; }
    static ConversionChoice someFields(FieldGroups groups) { return {FieldMode::SomeFields, groups}; }
};

// The caption of the option that decodes (ConversionChoice::decodeLines), as the windows show it.
inline QString decodeOptionCaption()
{
    return QStringLiteral("Read vCards as the standard defines them");
}

// Called in All Fields mode before each collected value is assembled: position counts from 0,
// last is the position of the last value. The window uses it to move its progress bar and to let
// pending events run.
using AssemblyProgress = std::function<void(qsizetype position, qsizetype last)>;

// The progress value for a position: the whole part of position / last * 100; a single value is 100.
inline int assemblyPercent(qsizetype position, qsizetype last)
{
    return last <= 0 ? 100 : int(position * 100 / last);
}

} // namespace cardisto
