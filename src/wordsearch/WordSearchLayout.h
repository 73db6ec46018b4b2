// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CruciPuzzleBoard.h"
#include "platform/design/ControlDesign.h"

#include <array>

inline constexpr const char *kWordSearchForm = "FormCruciPuzzle";
inline constexpr const char *kLetterCell = "Label1";
inline constexpr const char *kWordPicture = "Image1";
inline constexpr const char *kRightIcon = "ComandoIconaSi";
inline constexpr const char *kWrongIcon = "ComandoIconaNo";
inline constexpr const char *kRightCount = "EtichettaEsatti";
inline constexpr const char *kWrongCount = "EtichettaErrati";
inline constexpr const char *kDirections = "lblDirezioni";

namespace wordsearch_layout {

inline constexpr int kPictures = CruciPuzzleBoard::kWordsPerBoard;
inline constexpr int kCells = CruciPuzzleBoard::kCells;

// The pictures stand in two columns of five; the last row has its two boxes swapped.
inline constexpr std::array<int, kPictures> kPictureLefts = {6240, 7560, 6240, 7560, 6240,
                                                             7560, 6240, 7560, 7560, 6240};

// clang-format off
inline constexpr ControlDesign scoreLabel(const char *name, int left, int top, int width,
                                          int height, const char *text, double points)
{
    return {.name = name, .left = left, .top = top, .width = width, .height = height,
            .text = text, .font = {"Arial", points, true},
            .back = 0x00FFFF00, .fore = kSystemWindowText, .transparent = true};
}

inline constexpr std::array<ControlDesign, kPictures + 7 + kCells> makeLayout()
{
    std::array<ControlDesign, kPictures + 7 + kCells> layout{};
    std::size_t next = 0;
    for (int i = 0; i < kPictures; ++i)
        layout[next++] = {.name = kWordPicture, .index = i, .kind = ControlKind::Image,
                          .left = kPictureLefts[std::size_t(i)], .top = 960 + 1080 * (i / 2),
                          .width = 1095, .height = 975};
    // Both answer icons share one square; the right answer's lies in front.
    layout[next++] = {.name = kRightIcon, .kind = ControlKind::Image,
                      .left = 6360, .top = 120, .width = 735, .height = 735,
                      .picture = ":/iconasi.ico"};
    layout[next++] = {.name = kWrongIcon, .kind = ControlKind::Image,
                      .left = 6360, .top = 120, .width = 735, .height = 735,
                      .picture = ":/iconano.ico"};
    layout[next++] = scoreLabel("Label3", 7290, 180, 735, 375, "Esatti", 12);
    layout[next++] = scoreLabel("Label2", 7290, 570, 735, 495, "Errati", 12);
    layout[next++] = scoreLabel(kRightCount, 8130, 60, 975, 615, "quantiesatti", 18);
    layout[next++] = scoreLabel(kWrongCount, 8160, 450, 855, 615, "quantierrati", 18);
    // The arrows of the ways the words run, one under the other in the strip right of the
    // pictures, in a font that draws all eight alike: the window's area stays the design's.
    layout[next++] = {.name = kDirections, .left = 8670, .top = 960, .width = 435,
                      .height = 5295,
                      .text = "→ ↓", .font = {"DejaVu Sans", 16, true},
                      .back = 0x00FFFF00, .fore = kSystemWindowText, .align = TextAlign::Centre,
                      .transparent = true};
    // The letter grid: a pitch of 600 for cells 615 wide, so neighbours share their border.
    for (int i = 0; i < kCells; ++i)
        layout[next++] = {.name = kLetterCell, .index = i,
                          .left = 120 + 600 * (i % CruciPuzzleBoard::kColumns),
                          .top = 240 + 600 * (i / CruciPuzzleBoard::kColumns),
                          .width = 615, .height = 615, .text = "A",
                          .font = {"Arial", 26.25, true},
                          .back = 0x00FFFFFF, .fore = kSystemButtonText,
                          .align = TextAlign::Centre, .border = true};
    return layout;
}
// clang-format on

} // namespace wordsearch_layout

// The word search window's controls, front to back.
inline constexpr auto kWordSearchLayout = wordsearch_layout::makeLayout();
