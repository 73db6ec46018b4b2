// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"
#include "platform/design/ControlDesign.h"

#include <array>

// The menu window's seven buttons, top to bottom, in one column. "Esci" comes first in the focus
// order, so Enter or Space right after the menu opens asks to leave the program.
inline constexpr const char *kMenuForm = "FormMenu";
inline constexpr const char *kMenuWordSearch = "Command13";
inline constexpr const char *kMenuMemory = "Command15";
inline constexpr const char *kMenuCompose = "Command17";
inline constexpr const char *kMenuPrepareList = "Command16";
inline constexpr const char *kMenuLoadList = "Command1";
inline constexpr const char *kMenuInformation = "Command14";
inline constexpr const char *kMenuExit = "BottoneEsci";
inline constexpr const char *kMenuCursor = ":/menu.cur";

// The buttons that lead to a game.
struct MenuGame
{
    const char *button;
    Game game;
};

inline constexpr std::array<MenuGame, 3> kMenuGames = {{
    {kMenuWordSearch, Game::WordSearch},
    {kMenuMemory, Game::Memory},
    {kMenuCompose, Game::Compose},
}};

// clang-format off

inline constexpr std::array<ControlDesign, 7> kMenuLayout = {{
    {.name = kMenuWordSearch, .kind = ControlKind::Button,
     .left = 1920, .top = 240, .width = 3375, .height = 855,
     .text = "Crucipuzzle", .font = {"Arial", 15.75, false},
     .focusOrder = 1, .cursor = kMenuCursor},
    {.name = kMenuMemory, .kind = ControlKind::Button,
     .left = 1920, .top = 1200, .width = 3375, .height = 735,
     .text = "Memory", .font = {"Arial", 15.75, false},
     .focusOrder = 3, .cursor = kMenuCursor},
    // The band between "Memory" and "Carica altra lista di parole" shared evenly by two buttons,
    // with the gap that stands between "Crucipuzzle" and "Memory" above, between and below them.
    {.name = kMenuCompose, .kind = ControlKind::Button,
     .left = 1920, .top = 2040, .width = 3375, .height = 615,
     .text = "Componi la parola", .font = {"Arial", 15.75, false},
     .focusOrder = 4, .cursor = kMenuCursor},
    {.name = kMenuPrepareList, .kind = ControlKind::Button,
     .left = 1920, .top = 2760, .width = 3375, .height = 615,
     .text = "Prepara una lista", .font = {"Arial", 15.75, false},
     .focusOrder = 5, .cursor = kMenuCursor},
    {.name = kMenuLoadList, .kind = ControlKind::Button,
     .left = 1920, .top = 3480, .width = 3375, .height = 735,
     .text = "Carica altra lista di parole", .font = {"Arial", 15.75, false},
     .focusOrder = 6, .cursor = kMenuCursor},
    {.name = kMenuInformation, .kind = ControlKind::Button,
     .left = 1920, .top = 4440, .width = 3375, .height = 855,
     .text = "Informazioni", .font = {"Arial", 14.25, false},
     .focusOrder = 2, .cursor = kMenuCursor},
    {.name = kMenuExit, .kind = ControlKind::Button,
     .left = 1920, .top = 5520, .width = 3375, .height = 1215,
     .text = "Esci", .font = {"Arial", 14.25, true},
     .picture = ":/esci.ico", .focusOrder = 0, .cursor = kMenuCursor},
}};
// clang-format on
