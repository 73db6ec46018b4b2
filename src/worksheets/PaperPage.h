// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QRectF>

class QPagedPaintDevice;

// The printable part of a page as a painter on it sees it, in the device's units, and how many of
// them make a millimetre: sheets are drawn in millimetres on printers of any resolution.
struct PaperPage
{
    QRectF area;
    double unitsPerMillimetre = 1;

    double mm(double millimetres) const { return millimetres * unitsPerMillimetre; }
    double inMillimetres(double units) const { return units / unitsPerMillimetre; }
};

// A4 portrait with 12 mm margins: the page of a saved sheet, and the one a print starts from.
QPageLayout defaultPaper();

// The page `device` gives, inside its margins.
PaperPage paperPageOf(const QPagedPaintDevice &device);
