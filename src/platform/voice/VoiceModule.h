// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/voice/Voice.h"

// The voice lives in a module of its own, in the program's folder, loaded at the first word.
// The module hands out its voice through one function, which the caller owns the result of.
// The platform's ending (.so, .dll) is added by the loader.
inline constexpr const char *kVoiceModuleFile = "modules/zibaldo-voice";
inline constexpr const char *kMakeVoiceFunction = "zibaldoMakeVoice";
using MakeVoice = Voice *(*)();
