// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WordListStore.h"

#include <QStringList>
#include <QTemporaryFile>
#include <gtest/gtest.h>

// Fills `store` with `words`, one per line, through a list file as a teacher would write it.
inline void loadWords(WordListStore &store, const QStringList &words)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    for (const QString &word : words)
        file.write(word.toUtf8() + "\r\n");
    file.close();
    ASSERT_TRUE(store.loadWordList(file.fileName()).loaded());
    ASSERT_EQ(store.wordCount(), words.size());
}
