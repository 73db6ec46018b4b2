// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ComposeWord.h"
#include "core/ClassChoices.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

class RandomSource;
class Voice;
class WordListStore;

// A round of "Componi la parola": up to ten words of the list that fit the level, each once. The
// pupil composes each word in its boxes, picking letter tiles or typing; a right letter stays, a
// wrong one is counted and goes back. At "Difficile" the word is checked only once its boxes are
// full, and its wrong letters stay marked until replaced. Each word is said as it appears and
// whenever the pupil asks; a word composed is praised, and the next comes once the window says
// so.
class ComposeRound
{
public:
    static constexpr int kWordsPerRound = 10;
    static constexpr int kPraiseMilliseconds = 1500;
    // From a word composed to the next word.
    static constexpr int kNextWordMilliseconds = 2000;
    static inline const QString kPraise = QStringLiteral("Bravo!");

    enum class Phase
    {
        Composing,
        WordDone, // the word stands whole until nextWord()
        RoundOver,
    };

    enum class Outcome
    {
        Ignored,
        Placed,    // a letter went into a box, the word still incomplete
        Wrong,     // a wrong letter, counted; it went back to its tile
        TakenBack, // a letter left its box
        Checked,   // the boxes were full, some letters wrong: marked
        WordDone,
    };

    struct Box
    {
        QString letter; // empty while the box waits for one
        int tile = -1;  // the tile it came from, if any
        bool given = false;
        bool wrong = false; // marked after a check
    };

    ComposeRound(const WordListStore &words, RandomSource &random, Voice &voice,
                 Level level = Level::Hard);

    // A new round: its words drawn, its counts from 0, its first word said; unless the window is
    // yet to be seen, which says it with sayWord() once it is.
    void start(bool sayFirstWord = true);
    // Another level, and a new round at once.
    void startLevel(Level level);
    Level level() const { return level_; }

    Outcome pressTile(int tile);
    // A letter typed: at "Difficile" it goes into the first box that waits for one; at the other
    // levels it picks a free tile of that letter, if there is one.
    Outcome typeLetter(const QString &letter);
    // The letter of a box the pupil placed goes back; a given one stays.
    Outcome takeBack(int box);
    // Backspace: the last letter the pupil placed goes back.
    Outcome takeBackLast();
    // Says the word on show: as it appears, and whenever the pupil asks.
    void sayWord();
    // After a word composed: the next word, or the end of the round after the last.
    void nextWord();

    Phase phase() const { return phase_; }
    const QStringList &roundWords() const { return roundWords_; }
    int wordIndex() const { return wordIndex_; }
    QString word() const { return roundWords_.value(wordIndex_); }
    const std::vector<WordPiece> &pieces() const { return pieces_; }
    const std::vector<Box> &boxes() const { return boxes_; }
    const QStringList &tiles() const { return tiles_; }
    // Whether a box holds the letter of that tile.
    bool tileUsed(int tile) const;
    // The box the last letter went into or left, or was wrong for; -1 for none.
    int lastBox() const { return lastBox_; }
    // The tile of the last wrong letter, or -1 for a letter typed; and the letter.
    int lastWrongTile() const { return lastWrongTile_; }
    const QString &lastWrongLetter() const { return lastWrongLetter_; }
    int markedBoxes() const;

    qint16 rightWords() const { return rightWords_; }
    qint16 errors() const { return errors_; }
    qint16 firstTryWords() const { return firstTryWords_; }

private:
    void showWord(bool say);
    // The first box that waits for a letter: empty, or marked wrong. -1 when there is none.
    int waitingBox() const;
    Outcome place(const QString &letter, int tile);
    Outcome wrong(int box, const QString &letter, int tile);
    Outcome check();
    Outcome wordDone();

    const WordListStore &words_;
    RandomSource &random_;
    Voice &voice_;
    Level level_;
    Phase phase_ = Phase::RoundOver;
    QStringList roundWords_;
    int wordIndex_ = 0;
    std::vector<WordPiece> pieces_;
    QStringList letters_;
    std::vector<Box> boxes_;
    QStringList tiles_;
    int lastBox_ = -1;
    int lastWrongTile_ = -1;
    QString lastWrongLetter_;
    int wordErrors_ = 0;
    qint16 rightWords_ = 0;
    qint16 errors_ = 0;
    qint16 firstTryWords_ = 0;
};
