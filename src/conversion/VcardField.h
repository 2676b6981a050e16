// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionChoice.h"

#include <string_view>

namespace cardisto {

// The properties the conversions take.
enum class VcardField { Other, N, FN, Org, BDay, Nickname, Title, Role, Email, Tel, Adr, Url, Note };

// The field a property name stands for, in any letter case; Other for every other name.
VcardField vcardFieldNamed(std::string_view name);

// Whether a conversion with this choice takes the field: All Fields takes every one, Some Fields
// those of the ticked groups (EMAIL, TEL, N, ADR).
bool fieldTaken(VcardField field, const ConversionChoice& choice);

} // namespace cardisto
