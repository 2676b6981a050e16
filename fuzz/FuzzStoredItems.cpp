// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the stored forms of the text-set items and of the sample record.
#include "FuzzSupport.h"
#include "shell/ErrorReport.h"
#include "shell/SettingsStore.h"

using namespace cardisto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString stored = fuzz::textFrom(data, size);
    const QStringList items = splitComboItems(stored);
    fuzz::require(joinComboItems(items) == stored);
    fuzz::require(splitComboItems(joinComboItems(items)) == items);

    fuzz::require(unscrambleSnapshot(scrambleSnapshot(stored)) == stored);
    try {
        unscrambleSnapshot(stored); // a damaged record is refused with a message, never garbage
    } catch (const ProcedureFailure&) {
    }
    return 0;
}
