// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PaperPage.h"

#include <QString>

class QPainter;

// A sheet to print or save: its pages are laid out on whatever page the paper gives. It holds
// everything it shows by value, so that it may be painted on another thread than the window's.
class Worksheet
{
public:
    virtual ~Worksheet() = default;

    // What the sheet is called, and its file after it: "Crucipuzzle", "Memory".
    virtual QString name() const = 0;
    virtual int pageCount() const = 0;
    virtual void paintPage(int page, QPainter &painter, const PaperPage &paper) const = 0;
};
