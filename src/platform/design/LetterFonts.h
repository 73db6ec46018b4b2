// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"

#include <QFont>
#include <QRect>
#include <QString>

// Fonts that come with the program, in its folder's fonts/, are read the first time a letter form
// needs one: the cursive is not installed on any desktop.
void setBundledFontFolder(const QString &folder);

// The font a letter form is drawn in, at the pixel size and weight of the design's `design`:
// minuscolo in Andika, a font for children learning to read, and corsivo in Playwrite IT Moderna,
// an Italian school cursive whose letters join. Where a form's family is missing, the design's
// font draws it.
QFont letterFont(LetterForm form, const QFont &design);

// The same, made small enough that its letters fit the height of a line of `design`: for a box
// sized to the design's line, such as a cell of the grid.
QFont letterFontWithinLine(LetterForm form, const QFont &design);

// From the top of the tallest letter to the foot of the lowest, relative to the baseline: where a
// line of single letters needs room.
QRect letterBand(const QFont &font);
