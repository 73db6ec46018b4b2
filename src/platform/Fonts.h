// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControlDesign.h"

#include <QFont>

// Maps the design's Windows font names onto fonts found on every desktop.
void installFontSubstitutions();

// The font of a control at `scale`: design sizes are points at 96 dots per inch.
QFont designFont(const FontDesign &design, double scale);
