// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"

#include <QtGlobal>
#include <array>

// The background colours of the title and menu windows, stored as 0x00BBGGRR (red in the lowest
// byte). Some colours stand in the table more than once, and so come up more often.
inline constexpr std::array<quint32, 18> kPalette = {
    0x00C0C0FF, 0x008080FF, 0x000080FF, 0x0080C0FF, 0x000080FF, 0x00C0FFFF,
    0x008080FF, 0x000040C0, 0x0080FF80, 0x000040C0, 0x00FFFFC0, 0x00FFFF00,
    0x00FFC0C0, 0x00FFC0FF, 0x00FFC0FF, 0x00E0E0E0, 0x00FFC0FF, 0x00FF00FF,
};

// One entry of the palette, every entry equally likely; one draw per call.
qint32 drawPaletteColor(RandomSource &random);
