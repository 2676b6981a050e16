// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the bytes are one vCard file, read into the contacts table's rows, once for
// their values and once for their counts alone.
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCARDISTO_FUZZ=ON -DCARDISTO_GUI=OFF
//   cmake --build build-fuzz --target FuzzContactReader
//   build-fuzz/bin/FuzzContactReader -max_total_time=600 fuzz-corpus/contacts ../shared/corpus/vcards/*/

#include "conversion/ContactFileReading.h"

#include <QString>
#include <QStringDecoder>
#include <cstddef>
#include <cstdint>

using namespace cardisto;

namespace {

// A cell may begin with U+FEFF (kept as the file has it), which QString::fromUtf8 would drop.
bool validUtf8(std::string_view text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = decoder(QByteArrayView(text.data(), qsizetype(text.size())));
    return !decoder.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView file(reinterpret_cast<const char*>(data), qsizetype(size));
    const PackedContacts contacts = readVcfContacts(file);
    const PackedContacts counts = readVcfContacts(file, ContactReader::Reading::CountsOnly);
    // The table's columns come from the counts alone: they must be those of the rows written.
    if (counts.size() != contacts.size())
        __builtin_trap();
    ContactRow row;
    ContactRow counted;
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        contacts.rowAt(i, row);
        counts.rowAt(i, counted);
        if (row.counts() != counted.counts())
            __builtin_trap();
        // Every cell is text a CSV, a workbook or JSON can hold.
        for (int cell = 0; cell < row.cellCount(); ++cell) {
            if (!validUtf8(row.cell(cell)))
                __builtin_trap();
        }
    }
    return 0;
}
