#pragma once

#include "platform/ControlDesign.h"

#include <array>

// The title window's controls, front to back.
// clang-format off
inline constexpr std::array<ControlDesign, 4> kTitleLayout = {{
    {.name = "Image1", .index = 2, .kind = ControlKind::Image,
     .left = 6120, .top = 4680, .width = 2895, .height = 2775},
    {.name = "Image1", .index = 1, .kind = ControlKind::Image,
     .left = 600, .top = 4800, .width = 2895, .height = 2775},
    {.name = "Image1", .index = 0, .kind = ControlKind::Image,
     .left = 600, .top = 240, .width = 2535, .height = 2295},
    {.name = "Label2", .index = 0, .kind = ControlKind::Label,
     .left = 3240, .top = 240, .width = 6255, .height = 4215,
     .text = "Zibaldo", .font = {"Arial", 72, true},
     .back = 0x00FFFF00, .fore = kSystemWindowText,
     .align = TextAlign::Right, .transparent = true},
}};
// clang-format on
