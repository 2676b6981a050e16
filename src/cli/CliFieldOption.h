// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/ConversionChoice.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace cardisto {

// --fields all|none|LIST, LIST being a comma list of emails, phones, names, addresses.
// No value when the text names an unknown group.
std::optional<ConversionChoice> parseFieldsOption(const QString& text);

// The message for a --fields value that parseFieldsOption refused.
QString unknownFieldListMessage(const QString& text);

} // namespace cardisto
