#pragma once

#include "app/RandomSource.h"
#include "app/WordListStore.h"
#include "platform/QtDialogs.h"
#include "platform/Services.h"

// What a game window is given when the program runs with its bundled word list and pictures, or
// with a teacher's list loaded from elsewhere.
struct BundledProgram
{
    explicit BundledProgram(const QString &list = {})
    {
        words.LoadWordList(list.isEmpty() ? folder + QStringLiteral("/listaparole.txt") : list);
    }

    QString folder = QStringLiteral(ZIBALDO_DATA_DIR);
    WordListStore words;
    ProgramRandom random{1};
    QtDialogs dialogs;
    Services services{words, random, dialogs, folder};
};
