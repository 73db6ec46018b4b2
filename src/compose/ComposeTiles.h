// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"

#include <QString>
#include <QStringList>

class RandomSource;

// Three letters more than the word's own, each chosen to tempt a pupil who is not sure of the
// spelling, in this order: one more of a letter the word doubles (gatto: t), or else of a
// consonant it could double (pala: l); the plain twin of an accented vowel in it (caffè: e), or
// the accented twin of its last plain vowel (pane: è); a letter that looks like one of its own
// (b d p q, m n, u n). Where a kind has nothing to offer, another kind's next choice stands in,
// then a common letter. The tiles never spell the word another way: no tempting letter but a
// consonant to double is one of the word's own, none swaps an accent of the word for the other
// on the same vowel (perché gets no è), and none lets the tiles spell another word of `listed` as
// long, which the word's own letters could not: the picture has one answer. Lowercase; fewer than
// three only for a word that holds nearly every letter.
QStringList temptingLetters(const QString &word, const QStringList &listed);

// Whether the letters `word` spells stand among `tiles` one after the other, in order: what a
// pupil would read off the tiles without composing anything.
bool readsInOrder(const QStringList &tiles, const QStringList &word);

// `tiles` in an order drawn at random that never reads `word` in order, where any other order
// exists (it does not for a single tile, or tiles all of one letter).
QStringList shuffledTiles(const QStringList &tiles, const QStringList &word, RandomSource &random);

// The tiles a level gives for `word`: at "Facile" its letters after the first, which is given;
// at "Medio" all its letters and the tempting ones; at "Difficile" none. Shuffled.
QStringList tilesFor(const QString &word, Level level, const QStringList &listed,
                     RandomSource &random);
