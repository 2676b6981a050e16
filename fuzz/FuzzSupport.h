// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/TextDecoding.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace cardisto::fuzz {

// Outside bytes as the program reads a text file: UTF-16 by byte-order mark, UTF-8 when valid,
// Windows-1252 otherwise.
inline QString textFrom(const uint8_t* data, size_t size)
{
    return decodeTextFile(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
}

inline void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace cardisto::fuzz
