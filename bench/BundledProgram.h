// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/Services.h"
#include "platform/dialogs/QtDialogs.h"
#include "platform/voice/SpokenVoice.h"
#include "platform/voice/VoiceSwitch.h"
#include "platform/voice/WordVoice.h"

// What a game window is given when the program runs with its bundled word list and pictures, or
// with a teacher's list loaded from elsewhere.
struct BundledProgram
{
    explicit BundledProgram(const QString &list = {})
    {
        words.loadWordList(list.isEmpty() ? folder + QStringLiteral("/listaparole.txt") : list);
    }

    QString folder = QStringLiteral(ZIBALDO_DATA_DIR);
    WordListStore words;
    ProgramRandom random{1};
    QtDialogs dialogs;
    // Silent, as with --senza-voce, unless a benchmark turns it on: the speech engine starts only
    // once in a process, and the voice's benchmarks measure that start.
    SpokenVoice spoken;
    // The teacher's recordings looked for as the program looks for them.
    WordVoice wordVoice{spoken, [this](const QString &word) {
                            return recordingFileFor({words.listFolder(), folder}, word);
                        }};
    SwitchableVoice voice{wordVoice, false};
    ClassChoices choices;
    Services services{words, random, dialogs, folder, voice, choices, {}};
};
