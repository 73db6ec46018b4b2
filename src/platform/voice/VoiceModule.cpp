// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoiceModule.h"
#include "SpokenVoice.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT Voice *zibaldoMakeVoice()
{
    return new SpokenVoice;
}
