// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AudioModule.h"

// The sound lives in a module of its own, in the program's folder, loaded at its first use.
// The module hands out its AudioModule through one function, which the caller owns the result
// of. The platform's ending (.so, .dll) is added by the loader.
inline constexpr const char *kVoiceModuleFile = "modules/zibaldo-voice";
inline constexpr const char *kMakeAudioFunction = "zibaldoMakeAudio";
using MakeAudio = AudioModule *(*)();
