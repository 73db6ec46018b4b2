// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WordListStore.h"
#include "platform/WordFiles.h"

#include <QString>

class AudioModule;
class ClassChoices;
class Dialogs;
class RandomSource;
class SwitchableVoice;

// What every window of the program shares: handed to each window when it is created.
struct Services
{
    WordListStore &words;
    RandomSource &random;
    Dialogs &dialogs;
    QString programFolder;
    // The games' voice, with the session's switch that the game windows' "Voce" turns.
    SwitchableVoice &voice;
    // The letter form and level the class chose for each game, kept for the next session.
    ClassChoices &choices;
    // Where the list dialog opens once a list has been chosen: the folder last used.
    QString chosenListFolder;
    // The microphone, the sound output and the decoders of sound files, for the list editor;
    // none where the program has no sound at all.
    AudioModule *audio = nullptr;

    // The picture of a word: beside the list in use, else among the program's own.
    QString pictureFor(const QString &word) const
    {
        return pictureFileFor({words.listFolder(), programFolder}, word);
    }
};
