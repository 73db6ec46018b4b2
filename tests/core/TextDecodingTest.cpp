// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextDecoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextDecoding, Windows1252IsLatin1WithItsOwnHighControls)
{
    EXPECT_EQ(decodeWindows1252("caff\xE8 perch\xE9"), QStringLiteral("caffè perché"));
    EXPECT_EQ(decodeWindows1252("\x80\x92\x9F"), QStringLiteral("€’Ÿ"));
    EXPECT_EQ(decodeWindows1252("\x81\x8D"), QString(QChar(0x81)) + QChar(0x8D));
    EXPECT_EQ(decodeWindows1252("\xC0\xFF"), QStringLiteral("Àÿ"));
}

TEST(TextDecoding, StrictUtf8)
{
    bool multiByte = true;
    EXPECT_TRUE(isStrictUtf8("cane", multiByte));
    EXPECT_FALSE(multiByte);
    EXPECT_TRUE(isStrictUtf8("caff\xC3\xA8 \xF0\x9F\x90\xB6", multiByte));
    EXPECT_TRUE(multiByte);

    EXPECT_FALSE(isStrictUtf8("caff\xE8", multiByte));         // a Windows-1252 letter
    EXPECT_FALSE(isStrictUtf8("\xC0\x80", multiByte));         // overlong NUL
    EXPECT_FALSE(isStrictUtf8("\xE0\x80\xAF", multiByte));     // overlong slash
    EXPECT_FALSE(isStrictUtf8("\xED\xA0\x80", multiByte));     // surrogate
    EXPECT_FALSE(isStrictUtf8("\xF4\x90\x80\x80", multiByte)); // past U+10FFFF
    EXPECT_FALSE(isStrictUtf8("\xC3", multiByte));             // cut short
    EXPECT_FALSE(isStrictUtf8("\xC3\x28", multiByte));         // bad continuation
}

} // namespace
