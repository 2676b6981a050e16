// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace cardisto {

// A birthday as address books read it: a date written 19850128, 1985-01-28 or either with a time
// after a "T" becomes 1985-01-28; one without a year (--0128, --01-28) becomes --01-28. Any other
// text stays as written. A view of text, or of scratch.
std::string_view birthdayText(std::string_view text, std::string& scratch);

} // namespace cardisto
