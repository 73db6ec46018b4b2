// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Settings.h"

#include <QString>
#include <memory>
#include <span>

enum class Game
{
    WordSearch,
    Memory,
    Compose,
};

// How the games write their words: the letter forms Italian pupils learn, in that order.
enum class LetterForm
{
    AsListed, // the word as the list writes it
    Capitals,
    Lowercase,
    Cursive,
};

enum class Level
{
    Easy,
    Medium,
    Hard,
};

// The forms and levels a game offers, in its menus' order.
std::span<const LetterForm> letterFormsOf(Game game);
std::span<const Level> levelsOf();

// The menu captions: "MAIUSCOLO", "minuscolo", "Facile"…
QString letterFormCaption(LetterForm form);
QString levelCaption(Level level);

// The class's letter form and level for each game, kept in its settings. What was never chosen,
// or reads as nothing the program knows, is the game's first design: capitals in the word search,
// the word as listed in the memory game, both at the hardest level; capitals at the hardest level
// in "Componi la parola".
class ClassChoices
{
public:
    // Held in memory for the session.
    ClassChoices();
    explicit ClassChoices(std::unique_ptr<Settings> settings);
    ~ClassChoices();

    LetterForm letters(Game game) const;
    Level level(Game game) const;
    void setLetters(Game game, LetterForm form);
    void setLevel(Game game, Level level);

private:
    std::unique_ptr<Settings> settings_;
};
