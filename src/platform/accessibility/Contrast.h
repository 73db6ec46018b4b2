// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The contrast ratio between two colours, from 1 (the same) to 21 (black and white), as measured
// on their relative luminance.
double contrastRatio(const QColor &first, const QColor &second);

// Black on a light colour, white on a dark one: whichever stands out more on `under`.
QColor contrastingInk(const QColor &under);
