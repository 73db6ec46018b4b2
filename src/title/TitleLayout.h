// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design/ControlDesign.h"

#include <array>

inline constexpr const char *kTitleForm = "FormAvvio";
inline constexpr const char *kTitlePicture = "Image1";
inline constexpr const char *kTitleName = "Label2";
inline constexpr int kTitlePictures = 3;

// The title window's controls, front to back.
// clang-format off
inline constexpr std::array<ControlDesign, 4> kTitleLayout = {{
    {.name = kTitlePicture, .index = 2, .kind = ControlKind::Image,
     .left = 6120, .top = 4680, .width = 2895, .height = 2775},
    {.name = kTitlePicture, .index = 1, .kind = ControlKind::Image,
     .left = 600, .top = 4800, .width = 2895, .height = 2775},
    {.name = kTitlePicture, .index = 0, .kind = ControlKind::Image,
     .left = 600, .top = 240, .width = 2535, .height = 2295},
    {.name = kTitleName, .index = 0, .kind = ControlKind::Label,
     .left = 3240, .top = 240, .width = 6255, .height = 4215,
     .text = "Zibaldo", .font = {"Arial", 72, true},
     .back = 0x00FFFF00, .fore = kSystemWindowText,
     .align = TextAlign::Right, .transparent = true},
}};
// clang-format on
