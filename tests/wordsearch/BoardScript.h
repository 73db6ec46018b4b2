// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordsearch/CruciPuzzleBoard.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

// Writes the draws that steer the board generator: which words it picks, where it tries to
// lay each one, and the fill letters; for a board of the level given, "Difficile" by default.
class BoardScript
{
public:
    explicit BoardScript(Level level = Level::Hard) : directions_(boardLevel(level).directions) {}

    enum Direction
    {
        Up,
        UpRight,
        Right,
        DownRight,
        Down,
        DownLeft,
        Left,
        UpLeft,
    };

    BoardScript &draw(double r)
    {
        draws_.push_back(r);
        return *this;
    }

    // The draw that picks word `position` (1 to `count`) of the words that fit on a board.
    BoardScript &pick(int position, int count)
    {
        draws_.push_back((position - 0.5) / count);
        return *this;
    }

    // One attempt to lay a word of `length` characters from (row, column) in `direction`.
    BoardScript &attempt(int length, Direction direction, int row, int column)
    {
        static constexpr std::array<int, 8> rowHeading = {-1, -1, 0, 1, 1, 1, 0, -1};
        static constexpr std::array<int, 8> columnHeading = {0, 1, 1, 1, 0, -1, -1, -1};
        // The direction's place among those of the level: the direction itself at "Difficile".
        const auto place = std::find(directions_.begin(), directions_.end(), int(direction));
        EXPECT_NE(place, directions_.end()) << "a direction the level does not draw";
        draws_.push_back((double(place - directions_.begin()) + 0.5) / double(directions_.size()));
        draws_.push_back(coordinate(length, rowHeading[direction], row));
        draws_.push_back(coordinate(length, columnHeading[direction], column));
        return *this;
    }

    BoardScript &repeatAttempt(int times, int length, Direction direction, int row, int column)
    {
        for (int i = 0; i < times; ++i)
            attempt(length, direction, row, column);
        return *this;
    }

    // Fill letters for `cells` empty cells, all the letter at `position` of the fill letters.
    BoardScript &fill(int cells, int position = 0)
    {
        draws_.insert(draws_.end(), std::size_t(cells),
                      (position + 0.5) / double(CruciPuzzleBoard::kFillLetters.size()));
        return *this;
    }

    // Fill letters spelling `letters`, one cell after the other; the same for a fill cell drawn
    // again.
    BoardScript &fillWith(std::u32string_view letters)
    {
        for (char32_t letter : letters) {
            const std::size_t position = CruciPuzzleBoard::kFillLetters.find(letter);
            EXPECT_NE(position, std::u32string_view::npos) << "not a fill letter";
            fill(1, int(position));
        }
        return *this;
    }

    std::vector<double> draws() const { return draws_; }

private:
    static double coordinate(int length, int heading, int value)
    {
        const int room = CruciPuzzleBoard::kColumns + 1 - length;
        if (heading > 0)
            return (value + 0.5) / room;
        if (heading < 0)
            return (value - (length - 1) + 0.5) / room;
        return (value + 0.5) / CruciPuzzleBoard::kColumns;
    }

    std::span<const int> directions_;
    std::vector<double> draws_;
};
