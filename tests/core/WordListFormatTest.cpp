// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WordListFormat.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> fieldsOf(std::string_view bytes, std::size_t most = 500)
{
    const SplitFields split = splitWordFields(bytes, true, most);
    return {split.fields.begin(), split.fields.end()};
}

using Words = std::vector<std::string>;

TEST(WordListFormat, LineEndsSeparateWordsAndTheLastOneAddsNothing)
{
    EXPECT_EQ(fieldsOf("cane\r\ngatto\r\nmela\r\n"), (Words{"cane", "gatto", "mela"}));
    EXPECT_EQ(fieldsOf("cane\r\ngatto\r\nmela"), (Words{"cane", "gatto", "mela"}));
    EXPECT_EQ(fieldsOf("cane\ngatto\rmela\n"), (Words{"cane", "gatto", "mela"}));
    EXPECT_EQ(fieldsOf(""), Words{});
}

TEST(WordListFormat, CommasEmptyFieldsAndBlankLines)
{
    EXPECT_EQ(fieldsOf("cane,gatto\r\n"), (Words{"cane", "gatto"}));
    EXPECT_EQ(fieldsOf("cane,gatto,\r\nmela\r\n"), (Words{"cane", "gatto", "", "mela"}));
    EXPECT_EQ(fieldsOf("cane,,gatto"), (Words{"cane", "", "gatto"}));
    EXPECT_EQ(fieldsOf("cane\r\n\r\ngatto\r\n"), (Words{"cane", "", "gatto"}));
    EXPECT_EQ(fieldsOf("cane\r\ngatto\r\n\r\n"), (Words{"cane", "gatto", ""}));
    EXPECT_EQ(fieldsOf("\r\n"), Words{""});
}

TEST(WordListFormat, SemicolonsSeparateAsCommasDoAndTabsAreBlanks)
{
    // An Italian spreadsheet's CSV, and a list typed with tabs.
    EXPECT_EQ(fieldsOf("cane;gatto;;\"sale; pepe\"\r\nmela;\r\n"),
              (Words{"cane", "gatto", "", "sale; pepe", "mela", ""}));
    EXPECT_EQ(fieldsOf("\tcane\t\r\n \t gatto nero\t \r\n\t\r\n"),
              (Words{"cane", "gatto nero", ""}));
}

TEST(WordListFormat, SpacesAndQuotes)
{
    EXPECT_EQ(fieldsOf("   cane  ,  gatto nero \r\n"), (Words{"cane", "gatto nero"}));
    EXPECT_EQ(fieldsOf("\"sale, pepe\"\r\nolio\r\n"), (Words{"sale, pepe", "olio"}));
    EXPECT_EQ(fieldsOf("  \" con spazi \"  ,x"), (Words{" con spazi ", "x"}));
    EXPECT_EQ(fieldsOf("\"a\"coda,b"), (Words{"a", "b"}));
    EXPECT_EQ(fieldsOf("\"su due\r\nrighe\""), Words{"su due\r\nrighe"});
    EXPECT_EQ(fieldsOf("\"senza fine"), Words{"senza fine"});
}

TEST(WordListFormat, StopsAtTheFieldAfterTheLast)
{
    const SplitFields exact = splitWordFields("a,b,c\r\n", true, 3);
    EXPECT_EQ(exact.fields.size(), 3u);
    EXPECT_FALSE(exact.cut);

    const SplitFields cut = splitWordFields("a,b,c,d,e", true, 3);
    EXPECT_EQ(cut.fields.size(), 3u);
    EXPECT_TRUE(cut.cut);
}

TEST(WordListFormat, APartOfTheFileAsksForMoreWhereAFieldIsUnsettled)
{
    // A CR at the end may be the first half of CR LF; a word may go on; a quote may close later.
    const struct
    {
        std::string_view part;
        std::size_t settled;
    } parts[] = {{"a\r\nb", 1}, {"a\r", 0}, {"a,\"b,c", 1}, {"a,  ", 1}, {"a,b\n", 2}};
    for (const auto &[part, settled] : parts) {
        const SplitFields split = splitWordFields(part, false, 500);
        EXPECT_TRUE(split.needMore) << part;
        EXPECT_EQ(split.fields.size(), settled) << part;
    }
    const SplitFields enough = splitWordFields("a,b,c,d", false, 2);
    EXPECT_FALSE(enough.needMore);
    EXPECT_TRUE(enough.cut);
}

} // namespace
