// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/RandomSource.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>
#include <vector>

// Hands out a fixed sequence of draws and counts them; running past its end fails the test.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom(std::initializer_list<double> draws) : draws_(draws) {}
    explicit ScriptedRandom(std::vector<double> draws) : draws_(std::move(draws)) {}

    double draw() override
    {
        if (next_ >= draws_.size()) {
            ADD_FAILURE() << "more draws than the " << draws_.size() << " scripted";
            return 0.0;
        }
        return draws_[next_++];
    }

    // More draws after those scripted so far.
    void append(const std::vector<double> &draws)
    {
        draws_.insert(draws_.end(), draws.begin(), draws.end());
    }

    std::size_t used() const { return next_; }
    std::size_t scripted() const { return draws_.size(); }

private:
    std::vector<double> draws_;
    std::size_t next_ = 0;
};

// The largest double below 1.
inline constexpr double kJustBelowOne = 1.0 - 0x1.0p-53;
