// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardGrid.h"
#include "platform/design/ControlDesign.h"

#include <array>

inline constexpr const char *kMemoryForm = "FormMemory";
inline constexpr const char *kRestart = "Command1";
inline constexpr const char *kMoveCount = "Label3";
inline constexpr const char *kCover = "Label2";
inline constexpr const char *kPictureFace = "Image1";
inline constexpr const char *kWordFace = "Label1";
inline constexpr const char *kPauseTimer = "Timer1";

// A grid position's top and left corner, in twips.
struct GridPlace
{
    int top;
    int left;
};

// A smaller deck keeps the cards' size and gaps, centred on the full deck's grid.
constexpr GridPlace gridPlace(int position, DeckShape shape = kFullDeck)
{
    constexpr int kRowStep = 1200;
    constexpr int kColumnStep = 1320;
    const int top = 240 + kRowStep * (kFullDeck.rows - shape.rows) / 2;
    const int left = 120 + kColumnStep * (kFullDeck.columns - shape.columns) / 2;
    return {top + kRowStep * (position / shape.columns),
            left + kColumnStep * (position % shape.columns)};
}

// The memory window's controls, front to back: the covers come before the faces they hide.
// clang-format off
inline constexpr ControlDesign kRestartButton =
    {.name = kRestart, .kind = ControlKind::Button,
     .left = 5400, .top = 5400, .width = 2055, .height = 735,
     .text = "ricomincia", .font = {"Arial", 14.25, false}, .focusOrder = 0};

inline constexpr ControlDesign kMoveCaption =
    {.name = kMoveCount, .kind = ControlKind::Label,
     .left = 2280, .top = 5520, .width = 2175, .height = 615,
     .text = "Label3", .font = {"Arial", 14.25, false},
     .fore = 0x00FFFFFF, .transparent = true};

constexpr ControlDesign memoryCover(int card)
{
    return {.name = kCover, .index = card, .kind = ControlKind::Label,
            .left = 120, .top = 5160, .width = 1215, .height = 1095,
            .back = 0x0080FFFF, .border = true};
}

constexpr ControlDesign memoryPicture(int slot)
{
    const GridPlace place = gridPlace(slot);
    return {.name = kPictureFace, .index = slot, .kind = ControlKind::Image,
            .left = place.left, .top = place.top, .width = 1215, .height = 1095};
}

inline constexpr std::array<const char *, kSlots> kSampleWords = {
    "mela", "banana", "fagioli", "latte", "biscotti", "carota",
    "torta", "formaggio", "pollo", "patatine", "pane", "uova"};

constexpr ControlDesign memoryWord(int slot)
{
    const GridPlace place = gridPlace(kSlots + slot);
    return {.name = kWordFace, .index = slot, .kind = ControlKind::Label,
            .left = place.left, .top = place.top, .width = 1215, .height = 1095,
            .text = kSampleWords[std::size_t(slot)], .font = {"Arial", 11.25, true},
            .back = kSystemWindowBackground, .fore = kSystemWindowText,
            .align = TextAlign::Centre, .border = true, .shrinkToFit = true};
}
// clang-format on

inline constexpr auto kMemoryLayout = [] {
    std::array<ControlDesign, 2 + kCards + 2 * kSlots> rows{};
    std::size_t row = 0;
    rows[row++] = kRestartButton;
    rows[row++] = kMoveCaption;
    for (int card = 0; card < kCards; ++card)
        rows[row++] = memoryCover(card);
    for (int slot = 0; slot < kSlots; ++slot)
        rows[row++] = memoryPicture(slot);
    for (int slot = 0; slot < kSlots; ++slot)
        rows[row++] = memoryWord(slot);
    return rows;
}();
