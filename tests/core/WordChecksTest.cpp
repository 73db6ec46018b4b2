// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WordChecks.h"

#include <gtest/gtest.h>

TEST(WordChecks, TitlesAreLongLinesOrManyWords)
{
    EXPECT_FALSE(looksLikeTitle(QStringLiteral("gatto nero")));
    EXPECT_FALSE(looksLikeTitle(QStringLiteral("l'ape regina")));
    EXPECT_TRUE(looksLikeTitle(QStringLiteral("gli animali della fattoria")));
    EXPECT_FALSE(looksLikeTitle(QString(30, u'a')));
    EXPECT_TRUE(looksLikeTitle(QString(31, u'a')));
}

TEST(WordChecks, TheAttentionTextNamesTenWordsAndCountsTheRest)
{
    EXPECT_TRUE(listAttentionText({}, {}).isEmpty());
    QStringList missing;
    for (int i = 1; i <= 13; ++i)
        missing << QStringLiteral("p%1").arg(i);
    EXPECT_EQ(listAttentionText(missing, {QStringLiteral("Elenco parole classe 2ª B")}),
              QStringLiteral("Queste 13 parole non hanno un'immagine: «p1», «p2», «p3», «p4», "
                             "«p5», «p6», «p7», «p8», «p9», «p10» … e altre 3.\n\n"
                             "Questa riga sembra un titolo, non una parola: «Elenco parole "
                             "classe 2ª B»."));
    EXPECT_EQ(listAttentionText({QStringLiteral("zaino")}, {}),
              QStringLiteral("Questa parola non ha un'immagine: «zaino»."));
}
