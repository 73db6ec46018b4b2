// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"

qint32 drawPaletteColor(RandomSource &random)
{
    return static_cast<qint32>(
        kPalette[static_cast<std::size_t>(drawBelow(random, static_cast<int>(kPalette.size())))]);
}
