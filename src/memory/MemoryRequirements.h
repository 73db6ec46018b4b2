// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"

#include <QString>

class WordListStore;

// Why the memory game cannot start at `level` with the list in the store, in the words the
// teacher reads; empty when it can: a deal needs as many different words as it has pairs.
QString memoryRefusal(const WordListStore &words, Level level);
