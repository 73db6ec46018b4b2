// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRectF>

class QPainter;
struct PaperPage;

// The sheets' plain text: headings, the name line, the directions.
QFont paperSans(bool bold = false);

// `font` at the pixel size whose line fills `height` device units of the painter's device.
QFont fontOfHeight(const QFont &font, double height, const QPainter &painter);

// The area of `paper` below a sheet's heading and the name line under it.
QRectF belowHeading(const PaperPage &paper);
// A sheet's title across the top of the page and, on the pupil's pages, the line where she writes
// her name and the date; a key's page leaves that line blank.
void paintHeading(QPainter &painter, const PaperPage &paper, const QString &title,
                  bool withNameLine);
