#pragma once

#include "app/WordListStore.h"
#include "support/Files.h"
#include "support/ScriptedRandom.h"

#include <QTemporaryDir>

#include <array>
#include <utility>

// Draws for `Deals` deals from a list of twelve words: slot k gets word k + 1 and card c lies on
// grid position c, so picture cards fill the top two rows and word cards the bottom two.
template <int Deals> ScriptedRandom dealsInOrder()
{
    constexpr int kDrawsPerDeal = 12 + 24;
    static constexpr auto draws = [] {
        std::array<double, Deals * kDrawsPerDeal> all{};
        for (int deal = 0; deal < Deals; ++deal) {
            for (int slot = 0; slot < 12; ++slot)
                all[std::size_t(deal * kDrawsPerDeal + slot)] = (slot + 0.5) / 12;
        }
        return all;
    }();
    return [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        return ScriptedRandom{draws[I]...};
    }
    (std::make_index_sequence<draws.size()>{});
}

inline constexpr const char *kTwelveWords = "cane\r\ngatto\r\ntopo\r\nmela\r\npera\r\nuva\r\nrana\r"
                                            "\nape\r\norso\r\nlupo\r\nfico\r\nnave\r\n";

inline WordListStore storeOf(const QByteArray &list)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lista.txt"));
    writeFile(path, list);
    WordListStore words;
    EXPECT_TRUE(words.LoadWordList(path).loaded());
    return words;
}
