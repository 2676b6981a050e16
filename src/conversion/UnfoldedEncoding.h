// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace cardisto {

// Whether the bytes of an 8-bit vCard file are UTF-8 once its folded lines are joined: RFC 6350
// lets folding cut a multi-byte character in two, so the bytes as they stand may be no UTF-8 when
// the file is. Values that name a character set of their own (a raw Shift_JIS name in a UTF-8
// file) are decoded by it and do not count.
bool isUtf8OnceUnfolded(std::string_view bytes);

} // namespace cardisto
