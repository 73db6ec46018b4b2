// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// A window's controls are data: one row per control, lengths in twips (15 twips = 1 pixel at
// scale 1), colours as stored values (0x00BBGGRR, or 0x800000nn for system colour nn).

inline constexpr quint32 kSystemWindowBackground = 0x80000005;
inline constexpr quint32 kSystemWindowText = 0x80000008;
inline constexpr quint32 kSystemButtonFace = 0x8000000F;
inline constexpr quint32 kSystemButtonText = 0x80000012;

enum class ControlKind
{
    Label,
    Image,
    Button,
};

enum class TextAlign
{
    Left,
    Right,
    Centre,
};

struct FontDesign
{
    const char *family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

struct ControlDesign
{
    const char *name;
    int index = -1; // position in its control group; -1 for a control of its own
    ControlKind kind = ControlKind::Label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    const char *text = ""; // UTF-8
    FontDesign font = {};
    quint32 back = kSystemButtonFace;
    quint32 fore = kSystemButtonText;
    TextAlign align = TextAlign::Left;
    bool border = false;
    bool transparent = false;
    // A label whose text is one word to read at a glance: centred within a margin, it shrinks to
    // fit on one line, down to half its size, and only then breaks, at any letter if it must.
    bool shrinkToFit = false;
    // A picture the window carries in itself, as a resource path: an image's picture, or the icon
    // a button shows above its caption.
    const char *picture = nullptr;
    int focusOrder = -1;          // a button's place in the keyboard focus order, from 0
    const char *cursor = nullptr; // a mouse cursor of the window's own, as a resource path
};
