// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// The sheets' plain text: headings, the name line, the directions.
QFont paperSans(bool bold = false);

// `font` at the size whose capitals and descenders fill `height` device units of the painter's
// device.
QFont fontOfHeight(const QFont &font, double height, const QPainter &painter);

// Writes `text` centred in `box` on one line, shrunk down to half of `font`'s size to fit its
// width; past that, broken at any letter onto more lines, so that nothing is ever cut off.
void drawFittedText(QPainter &painter, const QRectF &box, const QString &text, const QFont &font);
