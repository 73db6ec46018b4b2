// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControlDesign.h"

#include <QFont>
#include <thread>

// Reads the system's font configuration on a thread of its own. Started before the application
// object, the reading overlaps the connection to the display. Join the returned thread, where
// there is one, before the first use of a font.
[[nodiscard]] std::jthread readFontConfigurationAside();

// Maps the design's Windows font names onto fonts found on every desktop.
void installFontSubstitutions();

// The font of a control at `scale`: design sizes are points at 96 dots per inch. Its family is the
// design's where installed, else the first installed of its substitutes.
QFont designFont(const FontDesign &design, double scale);

// The font of the program's boxes and menu bar at `scale`: the desktop's font, at the design's own
// 8 pt scaled with the window, and never smaller than the desktop's size.
QFont boxFont(double scale, const QFont &desktop);
