// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ComposeWord.h"
#include "platform/design/ControlDesign.h"

#include <QRect>
#include <array>
#include <span>
#include <vector>

inline constexpr const char *kComposeForm = "FormComponi";
inline constexpr const char *kComposePicture = "Immagine";
inline constexpr const char *kListen = "Ascolta";
inline constexpr const char *kBox = "Casella";
inline constexpr const char *kMark = "Segno";
inline constexpr const char *kWholeWord = "Parola";
inline constexpr const char *kTile = "Tessera";
inline constexpr const char *kKey = "Tasto";
inline constexpr const char *kRightWordCaption = "Label1";
inline constexpr const char *kRightWordCount = "LabelEsatte";
inline constexpr const char *kErrorCaption = "Label2";
inline constexpr const char *kErrorCount = "LabelErrori";
inline constexpr const char *kSummary = "Riepilogo";
inline constexpr const char *kAgain = "Ancora";

namespace compose_layout {

inline constexpr int kBoxes = kMostLetters;
// Marks between the letters of a word: spaces take none, only room.
inline constexpr int kMarks = 6;
inline constexpr int kTiles = 12;

// The on-screen keyboard, alphabetical as a pupil learns the letters, the accented vowels after
// them, and last the key that takes a letter back.
inline constexpr std::array<const char *, 32> kKeyLetters = {
    "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p",
    "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "à", "è", "é", "ì", "ò", "ù"};
inline constexpr int kKeys = int(kKeyLetters.size()) + 1;
inline constexpr int kBackspaceKey = kKeys - 1;
inline constexpr int kKeysPerRow = 11;

// The row of the word's boxes and the row of the tiles, across the window under the picture.
inline constexpr int kRowLeft = 240;
inline constexpr int kRowWidth = 9120;
inline constexpr int kBoxTop = 3720;
inline constexpr int kBoxWidth = 690;
inline constexpr int kBoxHeight = 810;
inline constexpr int kBoxGap = 60;
inline constexpr int kTileTop = 4860;
inline constexpr int kTileSide = 690;
inline constexpr int kTileGap = 60;
inline constexpr int kKeyWidth = 780;
inline constexpr int kKeyHeight = 690;
inline constexpr int kKeyColumnStep = (kRowWidth - kKeyWidth) / (kKeysPerRow - 1);
inline constexpr int kKeyRowStep = 750;

// Where each piece of a word stands, in twips: a box for a letter, a narrower place for a mark,
// room the same width for a space; centred in the row, and narrower all alike where the row
// would not hold them at full size.
inline std::vector<QRect> piecePlaces(const std::vector<WordPiece> &pieces)
{
    const int halves = halvesOf(pieces);
    const int gaps = pieces.empty() ? 0 : int(pieces.size()) - 1;
    const double full = double(halves) * kBoxWidth / 2 + double(gaps) * kBoxGap;
    const double shrink = full > kRowWidth ? kRowWidth / full : 1.0;
    const double half = kBoxWidth / 2.0 * shrink;
    const double gap = kBoxGap * shrink;
    const int height = int(kBoxHeight * shrink);
    double left = kRowLeft + (kRowWidth - full * shrink) / 2;
    std::vector<QRect> places;
    for (const WordPiece &piece : pieces) {
        const double width = piece.halves() * half;
        places.emplace_back(int(left), kBoxTop + (kBoxHeight - height) / 2, int(width), height);
        left += width + gap;
    }
    return places;
}

// A level's tiles, in one row centred under the boxes.
constexpr QPoint tilePlace(int tile, int tiles)
{
    const int width = tiles * kTileSide + (tiles - 1) * kTileGap;
    return {kRowLeft + (kRowWidth - width) / 2 + tile * (kTileSide + kTileGap), kTileTop};
}

// clang-format off
constexpr ControlDesign countCaption(const char *name, int top, const char *text)
{
    return {.name = name, .left = 240, .top = top, .width = 1455, .height = 375,
            .text = text, .font = {"Arial", 12, true},
            .fore = 0x00FFFFFF, .transparent = true};
}

constexpr ControlDesign count(const char *name, int top)
{
    return {.name = name, .left = 240, .top = top, .width = 1455, .height = 615,
            .text = " 0", .font = {"Arial", 18, true},
            .fore = 0x00FFFFFF, .transparent = true};
}

constexpr ControlDesign box(int index)
{
    return {.name = kBox, .index = index, .left = kRowLeft + index * 456, .top = kBoxTop,
            .width = 420, .height = kBoxHeight, .font = {"Arial", 26.25, true},
            .back = 0x00FFFFFF, .fore = kSystemButtonText, .align = TextAlign::Centre,
            .border = true, .shrinkToFit = true};
}

constexpr ControlDesign mark(int index)
{
    return {.name = kMark, .index = index, .left = kRowLeft + index * kBoxWidth, .top = kBoxTop,
            .width = kBoxWidth / 2, .height = kBoxHeight, .text = "'",
            .font = {"Arial", 26.25, true}, .fore = 0x00FFFFFF, .align = TextAlign::Centre,
            .transparent = true, .shrinkToFit = true};
}

constexpr ControlDesign tile(int index)
{
    const QPoint place = tilePlace(index, kTiles);
    return {.name = kTile, .index = index, .kind = ControlKind::Button,
            .left = place.x(), .top = place.y(), .width = kTileSide, .height = kTileSide,
            .text = "A", .font = {"Arial", 24, true}, .focusOrder = 1 + index};
}

constexpr ControlDesign key(int index)
{
    return {.name = kKey, .index = index, .kind = ControlKind::Button,
            .left = kRowLeft + index % kKeysPerRow * kKeyColumnStep,
            .top = kTileTop + index / kKeysPerRow * kKeyRowStep,
            .width = kKeyWidth, .height = kKeyHeight,
            .text = index < kBackspaceKey ? kKeyLetters[std::size_t(index)] : "⌫",
            .font = {"Arial", 20.25, true}, .focusOrder = 1 + kTiles + index};
}

inline constexpr ControlDesign kListenButton =
    {.name = kListen, .kind = ControlKind::Button,
     .left = 6960, .top = 1020, .width = 2160, .height = 1215,
     .text = "Ascolta", .font = {"Arial", 15.75, true}, .picture = ":/ascolta.ico",
     .focusOrder = 0};

inline constexpr ControlDesign kPictureBox =
    {.name = kComposePicture, .kind = ControlKind::Image,
     .left = 3000, .top = 240, .width = 3600, .height = 3240};

// The word whole, over its boxes once composed: in cursive its letters join.
inline constexpr ControlDesign kWholeWordLabel =
    {.name = kWholeWord, .left = kRowLeft, .top = kBoxTop - 120, .width = kRowWidth,
     .height = kBoxHeight + 240, .font = {"Arial", 36, true},
     .fore = 0x00FFFFFF, .align = TextAlign::Centre, .transparent = true, .shrinkToFit = true};

// The round's summary, in the counts' place, across the window.
inline constexpr ControlDesign kSummaryLabel =
    {.name = kSummary, .left = kRowLeft, .top = 960, .width = kRowWidth, .height = 2760,
     .font = {"Arial", 20.25, true}, .fore = 0x00FFFFFF, .align = TextAlign::Centre,
     .transparent = true};

inline constexpr ControlDesign kAgainButton =
    {.name = kAgain, .kind = ControlKind::Button,
     .left = 3600, .top = 4200, .width = 2400, .height = 1080,
     .text = "Ancora", .font = {"Arial", 20.25, true}, .focusOrder = 1 + kTiles + kKeys};
// clang-format on

} // namespace compose_layout

// The window's controls, front to back.
inline constexpr auto kComposeLayout = [] {
    using namespace compose_layout;
    std::array<ControlDesign, 9 + kBoxes + kMarks + kTiles + kKeys> rows{};
    std::size_t row = 0;
    rows[row++] = kSummaryLabel;
    rows[row++] = kAgainButton;
    rows[row++] = countCaption(kRightWordCaption, 240, "Esatte");
    rows[row++] = count(kRightWordCount, 570);
    rows[row++] = countCaption(kErrorCaption, 1320, "Errori");
    rows[row++] = count(kErrorCount, 1650);
    rows[row++] = kPictureBox;
    rows[row++] = kListenButton;
    rows[row++] = kWholeWordLabel;
    for (int i = 0; i < kBoxes; ++i)
        rows[row++] = box(i);
    for (int i = 0; i < kMarks; ++i)
        rows[row++] = mark(i);
    for (int i = 0; i < kTiles; ++i)
        rows[row++] = tile(i);
    for (int i = 0; i < kKeys; ++i)
        rows[row++] = key(i);
    return rows;
}();
