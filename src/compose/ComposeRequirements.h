// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"

#include <QString>

class WordListStore;

inline constexpr int kFewestRoundWords = 3;

// Why "Componi la parola" cannot start at `level` with the list in the store, in the words the
// teacher reads; empty when it can: a round needs three different words that fit the level.
QString composeRefusal(const WordListStore &words, Level level);
