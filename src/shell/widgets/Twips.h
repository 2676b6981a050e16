// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace cardisto {

// Column widths are given in twips, 1440 to the inch; 6700 twips are 447 pixels at 96 dpi.
constexpr int twipsToPixels(int twips, int dotsPerInch)
{
    return (twips * dotsPerInch + 720) / 1440;
}

} // namespace cardisto
