// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, ABlankStandsInThePlaceOfThePlusSign)
{
    EXPECT_EQ(numberToText(0), QStringLiteral(" 0"));
    EXPECT_EQ(numberToText(12), QStringLiteral(" 12"));
    EXPECT_EQ(numberToText(32767), QStringLiteral(" 32767"));
    EXPECT_EQ(numberToText(-3), QStringLiteral("-3"));
}
