// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"

#include <QString>
#include <QStringList>
#include <vector>

// A word as the pupil composes it: a box for each letter, and what is not a letter (a space, an
// apostrophe, a hyphen) shown in place between the boxes. "pesce spada" is ten letters and a
// space, "l'ape" four letters and an apostrophe.
struct WordPiece
{
    QString text; // one letter with its accents, or the mark shown in place
    bool letter = false;

    // Laid out in a row, a letter's box takes two halves, a mark or a space one.
    int halves() const { return letter ? 2 : 1; }
    bool operator==(const WordPiece &) const = default;
};

// The pieces of `word` in order, as Unicode composes them (an accent typed apart from its letter
// is one letter with it); spaces around the word left out, spaces within it one each.
std::vector<WordPiece> piecesOf(const QString &word);

// The halves that `pieces` take in a row.
int halvesOf(const std::vector<WordPiece> &pieces);

// Only the letters, in order.
QStringList lettersOf(const QString &word);

// Whether two letters are the same to the game: whatever their case, never whatever their
// accent (è is not e, nor é).
bool sameLetter(const QString &first, const QString &second);
// A letter as the game compares it: composed, in the case that stands for every case.
QString foldedLetter(const QString &letter);

// What a level asks of its words and gives the pupil.
struct ComposeLevel
{
    int mostLetters;
    bool firstLetterGiven;
    bool tiles;          // letter tiles to pick from; else the pupil types
    int temptingLetters; // tiles more than the word's letters
    bool checkedAtOnce;  // each letter as it is placed; else the word once complete
};

inline constexpr int kFewestLetters = 2;
// As many boxes as a row of the window holds.
inline constexpr int kMostLetters = 20;

ComposeLevel composeLevel(Level level);

// Whether a word has the letters a level plays: at least two, and no more than the level's most.
bool fitsLevel(const QString &word, Level level);
// The words that fit `level`, in their order.
QStringList wordsFitting(const QStringList &words, Level level);
