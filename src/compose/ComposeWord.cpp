// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComposeWord.h"

#include <QTextBoundaryFinder>

std::vector<WordPiece> piecesOf(const QString &word)
{
    const QString composed = word.normalized(QString::NormalizationForm_C).simplified();
    std::vector<WordPiece> pieces;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, composed);
    for (qsizetype start = 0, end = graphemes.toNextBoundary(); end > 0;
         start = end, end = graphemes.toNextBoundary()) {
        const QString grapheme = composed.sliced(start, end - start);
        pieces.push_back({grapheme, QChar::isLetter(grapheme.toUcs4().value(0))});
    }
    return pieces;
}

int halvesOf(const std::vector<WordPiece> &pieces)
{
    int halves = 0;
    for (const WordPiece &piece : pieces)
        halves += piece.halves();
    return halves;
}

QStringList lettersOf(const QString &word)
{
    QStringList letters;
    for (const WordPiece &piece : piecesOf(word)) {
        if (piece.letter)
            letters << piece.text;
    }
    return letters;
}

bool sameLetter(const QString &first, const QString &second)
{
    return foldedLetter(first) == foldedLetter(second);
}

QString foldedLetter(const QString &letter)
{
    return letter.normalized(QString::NormalizationForm_C).toCaseFolded();
}

ComposeLevel composeLevel(Level level)
{
    switch (level) {
    case Level::Easy:
        return {.mostLetters = 6,
                .firstLetterGiven = true,
                .tiles = true,
                .temptingLetters = 0,
                .checkedAtOnce = true};
    case Level::Medium:
        return {.mostLetters = 9,
                .firstLetterGiven = false,
                .tiles = true,
                .temptingLetters = 3,
                .checkedAtOnce = true};
    case Level::Hard:
        break;
    }
    return {.mostLetters = kMostLetters,
            .firstLetterGiven = false,
            .tiles = false,
            .temptingLetters = 0,
            .checkedAtOnce = false};
}

bool fitsLevel(const QString &word, Level level)
{
    const qsizetype letters = lettersOf(word).size();
    return letters >= kFewestLetters && letters <= composeLevel(level).mostLetters;
}

QStringList wordsFitting(const QStringList &words, Level level)
{
    QStringList fitting;
    for (const QString &word : words) {
        if (fitsLevel(word, level))
            fitting << word;
    }
    return fitting;
}
