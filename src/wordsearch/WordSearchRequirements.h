// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class WordListStore;

// Why the word search cannot start with the list in the store, in the words the teacher reads;
// empty when it can. A list that loaded may still be too poor: the board needs a word of 1 to 10
// letters.
QString wordSearchRefusal(const WordListStore &words);
