// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WordListStore.h"
#include "support/Files.h"

#include <QDir>
#include <QStringEncoder>
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
        for (int i = 1; i <= store.wordCount(); ++i)
            all << store.wordList(i);
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
    EXPECT_TRUE(store.loadWordList(file("a.txt", "cane\r\ngatto\r\nmela\r\n")).loaded());
    EXPECT_EQ(store.wordCount(), 3);
    EXPECT_EQ(words(), (QStringList{"cane", "gatto", "mela"}));
    EXPECT_EQ(store.wordList(0), QString());
    EXPECT_EQ(store.wordList(4), QString());

    EXPECT_TRUE(store.loadWordList(file("b.txt", "")).loaded());
    EXPECT_EQ(store.wordCount(), 0);
}

TEST_F(WordListStoreTest, AShorterListReplacesALongerOne)
{
    store.loadWordList(file("ten.txt", numberedWords(10)));
    store.loadWordList(file("three.txt", "Ape,Bue,\"Re, regina\""));
    EXPECT_EQ(words(), (QStringList{"Ape", "Bue", "Re, regina"}));
}

TEST_F(WordListStoreTest, AccentsComeOutRightInEitherEncoding)
{
    store.loadWordList(file("1252.txt", "caff\xE8\r\nperch\xE9\r\n"));
    EXPECT_EQ(words(), (QStringList{"caffè", "perché"}));

    store.loadWordList(file("utf8.txt", "caff\xC3\xA8\r\nperch\xC3\xA9\r\n"));
    EXPECT_EQ(words(), (QStringList{"caffè", "perché"}));

    store.loadWordList(file("bom.txt", "\xEF\xBB\xBF"
                                       "cane\r\n"));
    EXPECT_EQ(words(), QStringList{"cane"});

    // Bytes that happen to be valid UTF-8 only in part are Windows-1252 throughout.
    store.loadWordList(file("mixed.txt", "caff\xC3\xA8\r\nt\xE8\r\n"));
    EXPECT_EQ(words(), (QStringList{"caffÃ¨", "tè"}));
}

// What Notepad writes when a list is saved as "Unicode" (or "Unicode big endian").
QByteArray utf16WithMark(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encode(encoding, QStringConverter::Flag::WriteBom);
    return encode(text);
}

TEST_F(WordListStoreTest, Utf16WithItsMarkReadsLikeAnyOtherList)
{
    const QString text = QStringLiteral("caffè\r\nperché;\"sale, pepe\"\r\n🐝\r\n");
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        const LoadResult loaded =
            store.loadWordList(file("unicode.txt", utf16WithMark(text, encoding)));
        EXPECT_TRUE(loaded.loaded());
        EXPECT_EQ(words(), (QStringList{"caffè", "perché", "sale, pepe", "🐝"}));
    }

    // Long enough for several reads, and cut at the 500th word like any list.
    QString many;
    for (int i = 1; i <= 600; ++i)
        many += QStringLiteral("parola%1%2\r\n").arg(i).arg(QString(300, u'à'));
    const LoadResult cut =
        store.loadWordList(file("molte.txt", utf16WithMark(many, QStringConverter::Utf16LE)));
    EXPECT_TRUE(cut.cut);
    EXPECT_EQ(store.wordCount(), 500);
    EXPECT_TRUE(store.wordList(500).startsWith(QStringLiteral("parola500àà")));
}

TEST_F(WordListStoreTest, NulBytesWithoutAUtf16MarkAreNoTextAndTheTeacherIsToldWhatToDo)
{
    QByteArray noMark = utf16WithMark(QStringLiteral("cane\r\n"), QStringConverter::Utf16LE);
    noMark.remove(0, 2);
    const QString path = file("senza.txt", noMark);
    const LoadResult result = store.loadWordList(path);
    EXPECT_EQ(result.status, LoadStatus::NotText);
    const QStringList lines = loadReportText(path, result).split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\"Testo\" (UTF-8)")));
}

TEST_F(WordListStoreTest, GamesDrawEachWordOnceAndNoBlankOnes)
{
    // Blank lines, a word in other letter case, a Mac's decomposed accent, tabs around a word.
    store.loadWordList(file("a.txt", "cane\r\n\r\n  \r\nCANE\r\ncaff\xC3\xA8\r\n"
                                     "caffe\xCC\x80\r\n\tgatto\t\r\nGatto\r\n"));
    EXPECT_EQ(store.wordCount(), 8) << "the list keeps every entry";
    EXPECT_EQ(store.wordList(7), QStringLiteral("gatto"));
    EXPECT_EQ(store.distinctWords(), (QStringList{"cane", "caffè", "gatto"}));

    store.loadWordList(file("b.txt", "\r\n,,;"));
    EXPECT_TRUE(store.distinctWords().isEmpty());
}

TEST_F(WordListStoreTest, KeepsTheFirstFiveHundredOfALongerList)
{
    const LoadResult exact = store.loadWordList(file("500.txt", numberedWords(500)));
    EXPECT_TRUE(exact.loaded());
    EXPECT_FALSE(exact.cut);
    EXPECT_EQ(store.wordCount(), 500);

    // Large enough to need several reads, far from the 501st field.
    QByteArray huge = numberedWords(501);
    huge += QByteArray(20 * 1024 * 1024, 'x');
    const LoadResult cut = store.loadWordList(file("huge.txt", huge));
    EXPECT_TRUE(cut.loaded());
    EXPECT_TRUE(cut.cut);
    EXPECT_EQ(store.wordCount(), 500);
    EXPECT_EQ(store.wordList(500), QStringLiteral("parola500"));
    EXPECT_TRUE(loadReportText(QStringLiteral("huge.txt"), cut).contains(QStringLiteral("500")));
}

TEST_F(WordListStoreTest, AFailedLoadKeepsThePreviousListAndSaysWhy)
{
    EXPECT_EQ(store.listFolder(), QString());
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("classe")));
    store.loadWordList(file("classe/good.txt", "cane\r\ngatto\r\n"));
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
        const LoadResult result = store.loadWordList(failure.path);
        EXPECT_EQ(result.status, failure.status) << failure.path.toStdString();
        EXPECT_EQ(words(), (QStringList{"cane", "gatto"}));
        EXPECT_EQ(store.listFolder(), classe); // its pictures stay those of the list in use
        EXPECT_TRUE(
            loadReportText(failure.path, result).contains(QDir::toNativeSeparators(failure.path)));
    }
}

} // namespace
