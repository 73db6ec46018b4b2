// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QPainter;

// The sheets' plain text: headings, the name line, the directions.
QFont paperSans(bool bold = false);

// `font` at the pixel size whose line fills `height` device units of the painter's device.
QFont fontOfHeight(const QFont &font, double height, const QPainter &painter);
