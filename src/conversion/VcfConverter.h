// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionChoice.h"

#include <QByteArrayView>
#include <QString>

namespace cardisto {

// Turns the bytes of one vCard file into converted text: the kept values, one per line, joined by
// CR LF, in file order, with no labels. Works on bytes in memory; never fails.
QString convertVcfBytes(QByteArrayView fileBytes, const ConversionChoice& choice,
                        const AssemblyProgress& progress = {});

} // namespace cardisto
