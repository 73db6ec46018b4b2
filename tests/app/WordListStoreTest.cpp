#include "app/WordListStore.h"
#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class WordListStoreTest : public ::testing::Test
{
protected:
    QString file(const char *name, const QByteArray &bytes)
    {
        const QString path = folder.filePath(QString::fromUtf8(name));
        writeFile(path, bytes);
        return path;
    }

    QStringList words() const
    {
        QStringList all;
        for (int i = 1; i <= store.WordCount(); ++i)
            all << store.WordList(i);
        return all;
    }

    QTemporaryDir folder;
    WordListStore store;
};

QByteArray numberedWords(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "parola" + QByteArray::number(i) + "\r\n";
    return bytes;
}

TEST_F(WordListStoreTest, ReadsTheWordsIntoSlotsFromOne)
{
    EXPECT_TRUE(store.LoadWordList(file("a.txt", "cane\r\ngatto\r\nmela\r\n")).loaded());
    EXPECT_EQ(store.WordCount(), 3);
    EXPECT_EQ(words(), (QStringList{"cane", "gatto", "mela"}));
    EXPECT_EQ(store.WordList(0), QString());
    EXPECT_EQ(store.WordList(4), QString());

    EXPECT_TRUE(store.LoadWordList(file("b.txt", "")).loaded());
    EXPECT_EQ(store.WordCount(), 0);
}

TEST_F(WordListStoreTest, AShorterListReplacesALongerOne)
{
    store.LoadWordList(file("ten.txt", numberedWords(10)));
    store.LoadWordList(file("three.txt", "Ape,Bue,\"Re, regina\""));
    EXPECT_EQ(words(), (QStringList{"Ape", "Bue", "Re, regina"}));
}

TEST_F(WordListStoreTest, AccentsComeOutRightInEitherEncoding)
{
    store.LoadWordList(file("1252.txt", "caff\xE8\r\nperch\xE9\r\n"));
    EXPECT_EQ(words(), (QStringList{"caffè", "perché"}));

    store.LoadWordList(file("utf8.txt", "caff\xC3\xA8\r\nperch\xC3\xA9\r\n"));
    EXPECT_EQ(words(), (QStringList{"caffè", "perché"}));

    store.LoadWordList(file("bom.txt", "\xEF\xBB\xBF"
                                       "cane\r\n"));
    EXPECT_EQ(words(), QStringList{"cane"});

    // Bytes that happen to be valid UTF-8 only in part are Windows-1252 throughout.
    store.LoadWordList(file("mixed.txt", "caff\xC3\xA8\r\nt\xE8\r\n"));
    EXPECT_EQ(words(), (QStringList{"caffÃ¨", "tè"}));
}

TEST_F(WordListStoreTest, KeepsTheFirstFiveHundredOfALongerList)
{
    const LoadResult exact = store.LoadWordList(file("500.txt", numberedWords(500)));
    EXPECT_TRUE(exact.loaded());
    EXPECT_FALSE(exact.cut);
    EXPECT_EQ(store.WordCount(), 500);

    // Large enough to need several reads, far from the 501st field.
    QByteArray huge = numberedWords(501);
    huge += QByteArray(20 * 1024 * 1024, 'x');
    const LoadResult cut = store.LoadWordList(file("huge.txt", huge));
    EXPECT_TRUE(cut.loaded());
    EXPECT_TRUE(cut.cut);
    EXPECT_EQ(store.WordCount(), 500);
    EXPECT_EQ(store.WordList(500), QStringLiteral("parola500"));
    EXPECT_TRUE(loadReportText(QStringLiteral("huge.txt"), cut).contains(QStringLiteral("500")));
}

TEST_F(WordListStoreTest, AFailedLoadKeepsThePreviousListAndSaysWhy)
{
    EXPECT_EQ(store.listFolder(), QString());
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("classe")));
    store.LoadWordList(file("classe/good.txt", "cane\r\ngatto\r\n"));
    const QString classe = folder.filePath(QStringLiteral("classe"));
    EXPECT_EQ(store.listFolder(), classe);
    const QString missing = folder.filePath(QStringLiteral("nessuna.txt"));
    const QString binary = file("binary.txt", QByteArray("cane\r\n\0gatto", 12));
    const QString endless = file("endless.txt", QByteArray(9 * 1024 * 1024, 'x'));
    const struct
    {
        QString path;
        LoadStatus status;
    } failures[] = {
        {missing, LoadStatus::Missing},
        {folder.path(), LoadStatus::IsFolder},
        {binary, LoadStatus::NotText},
        {endless, LoadStatus::TooLarge},
    };
    for (const auto &failure : failures) {
        const LoadResult result = store.LoadWordList(failure.path);
        EXPECT_EQ(result.status, failure.status) << failure.path.toStdString();
        EXPECT_EQ(words(), (QStringList{"cane", "gatto"}));
        EXPECT_EQ(store.listFolder(), classe); // its pictures stay those of the list in use
        EXPECT_TRUE(
            loadReportText(failure.path, result).contains(QDir::toNativeSeparators(failure.path)));
    }
}

} // namespace
