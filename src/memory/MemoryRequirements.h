// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class WordListStore;

// Why the memory game cannot start with the list in the store, in the words the teacher reads;
// empty when it can: a deal needs twelve different words.
QString memoryRefusal(const WordListStore &words);
