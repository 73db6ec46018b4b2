#pragma once

#include <QString>

class WordListStore;

// Why a game cannot start with the list in the store, in the words the teacher reads; empty when
// it can. A list that loaded may still be too poor for a game: the word search needs a word of 1
// to 10 letters, the memory game twelve words.
QString wordSearchRefusal(const WordListStore &words);
QString memoryRefusal(const WordListStore &words);
