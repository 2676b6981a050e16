// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace cardisto {

class PropertyLine;

// The label of an e-mail address, phone number, address or website, made of the types its property
// carries (TYPE values and vCard 2.1's bare words) as an address book names them: the place first
// (Home, Work, Other), then the kind (Mobile for CELL, Fax, Pager, Main, ...), so that WORK,FAX is
// "Work Fax". Types that name no label a reader would use (PREF, VOICE, INTERNET, POSTAL, ...) and
// private ones (X-...) are left out; any other word is taken with a capital first letter.
// Replaces the text of label.
void setLabelFromTypes(const PropertyLine& property, std::string& label);

// The text of an Apple label (X-ABLabel): its own labels wrapped as _$!<HomePage>!$_ lose the wrapping.
std::string_view appleLabelText(std::string_view text);

} // namespace cardisto
