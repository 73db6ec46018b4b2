// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Dialogs;
class RandomSource;
class WordListStore;

// What every window of the program shares: handed to each window when it is created.
struct Services
{
    WordListStore &words;
    RandomSource &random;
    Dialogs &dialogs;
    QString programFolder;
    // Where the list dialog opens once a list has been chosen: the folder last used.
    QString chosenListFolder;
};
