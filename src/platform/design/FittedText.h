// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRectF>
#include <QStringList>
#include <QTextLayout>

class QPainter;

// A word to read at a glance, laid out centred both ways in a box: on one line in the design's
// font, or in one down to half its size; past that it breaks onto more lines, at a space where it
// can and at any letter where it must. A text that overflows the box even then shrinks on, since
// a letter cut off would lose the word.
class FittedText
{
public:
    FittedText(const QString &text, const QFont &design, const QRectF &box);

    const QFont &font() const { return font_; }
    // The lines as drawn, top to bottom.
    QStringList lines() const;
    // What the lines take of the box.
    QRectF bounds() const;
    void draw(QPainter &painter) const;

private:
    // Breaks the text at the box's width in the font as it stands; returns the height it takes.
    qreal layOut();

    QRectF box_;
    QFont font_;
    QTextLayout layout_;
    QPointF origin_;
};
