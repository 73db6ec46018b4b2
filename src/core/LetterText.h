// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClassChoices.h"

#include <QString>

// A word as a letter form writes it: capitals for MAIUSCOLO, small letters for minuscolo and
// corsivo (the cursive is a font of small letters), the list's own spelling otherwise. Accented
// letters keep their accents (è, È).
QString writtenIn(LetterForm form, const QString &word);

// One letter of a board, kept as a capital, as the form writes it.
char32_t letterIn(LetterForm form, char32_t capital);
