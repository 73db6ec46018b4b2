// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComposeTiles.h"

#include "ComposeWord.h"
#include "core/RandomSource.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <utility>

namespace {

// What a pupil may write for a letter that looks like it.
constexpr std::array<std::pair<char16_t, char16_t>, 8> kLookAlikes = {{
    {u'b', u'd'},
    {u'd', u'b'},
    {u'p', u'q'},
    {u'q', u'p'},
    {u'm', u'n'},
    {u'n', u'm'},
    {u'u', u'n'},
    {u'n', u'u'},
}};
// Each accented vowel and its plain twin; the first of each vowel is the accent a plain vowel
// takes as its twin.
constexpr std::array<std::pair<char16_t, char16_t>, 9> kAccents = {{
    {u'à', u'a'},
    {u'è', u'e'},
    {u'é', u'e'},
    {u'ì', u'i'},
    {u'í', u'i'},
    {u'ò', u'o'},
    {u'ó', u'o'},
    {u'ù', u'u'},
    {u'ú', u'u'},
}};
// Letters common in Italian, for a word the other kinds offer too little.
constexpr std::u16string_view kCommonLetters = u"aeiorlnstcmdpvgfbz";

// The plain vowel of an accented one; a null character for any other letter.
QChar plainOf(const QString &letter)
{
    for (const auto &[accented, plain] : kAccents) {
        if (letter == QChar(accented))
            return QChar(plain);
    }
    return {};
}

QChar accentedOf(const QString &letter)
{
    for (const auto &[accented, plain] : kAccents) {
        if (letter == QChar(plain))
            return QChar(accented);
    }
    return {};
}

bool isVowel(const QString &letter)
{
    return !accentedOf(letter).isNull() || !plainOf(letter).isNull();
}

bool isConsonant(const QString &letter)
{
    return letter.size() == 1 && letter.front().isLetter() && !isVowel(letter);
}

// One more of a letter the word doubles; else of a consonant between two vowels, where Italian
// could double it.
QStringList doublings(const QStringList &letters)
{
    QStringList doubled, single;
    for (qsizetype i = 1; i < letters.size(); ++i) {
        if (letters[i] == letters[i - 1] && isConsonant(letters[i]))
            doubled << letters[i];
        else if (i + 1 < letters.size() && isConsonant(letters[i]) && isVowel(letters[i - 1]) &&
                 isVowel(letters[i + 1]))
            single << letters[i];
    }
    return doubled.isEmpty() ? single : doubled;
}

// The plain twin of each accented vowel; then the accented twin of each plain vowel, from the
// last, where the accent of an Italian word falls.
QStringList twins(const QStringList &letters)
{
    QStringList twins;
    for (const QString &letter : letters) {
        if (const QChar plain = plainOf(letter); !plain.isNull())
            twins << QString(plain);
    }
    for (auto letter = letters.crbegin(); letter != letters.crend(); ++letter) {
        if (const QChar accented = accentedOf(*letter); !accented.isNull())
            twins << QString(accented);
    }
    return twins;
}

QStringList lookAlikes(const QStringList &letters)
{
    QStringList alike;
    for (const QString &letter : letters) {
        for (const auto &[from, to] : kLookAlikes) {
            if (letter == QChar(from))
                alike << QString(QChar(to));
        }
    }
    return alike;
}

// An accent in place of the word's other accent on the same vowel (è for é) would spell the
// word another way, not wrongly.
bool swapsAnAccent(const QString &letter, const QStringList &letters)
{
    const QChar plain = plainOf(letter);
    return !plain.isNull() && std::any_of(letters.begin(), letters.end(), [&](const QString &own) {
        return own != letter && plainOf(own) == plain;
    });
}

using LetterCounts = QHash<QString, int>;

LetterCounts countsOf(const QStringList &letters)
{
    LetterCounts counts;
    for (const QString &letter : letters)
        ++counts[foldedLetter(letter)];
    return counts;
}

bool canSpell(const LetterCounts &tiles, const QStringList &word)
{
    const LetterCounts needed = countsOf(word);
    return std::all_of(needed.keyValueBegin(), needed.keyValueEnd(), [&tiles](const auto &entry) {
        return tiles.value(entry.first) >= entry.second;
    });
}

} // namespace

QStringList temptingLetters(const QString &word, const QStringList &listed)
{
    QStringList letters;
    for (const QString &letter : lettersOf(word))
        letters << foldedLetter(letter);
    const LetterCounts own = countsOf(letters);
    // Other words of the list as long as this one, which the word's own letters do not spell.
    std::vector<QStringList> others;
    for (const QString &other : listed) {
        const QStringList otherLetters = lettersOf(other);
        if (otherLetters.size() == letters.size() && !canSpell(own, otherLetters))
            others.push_back(otherLetters);
    }

    LetterCounts tiles = own;
    QStringList chosen;
    const auto take = [&](const QString &letter, bool mayBeOwn) {
        if (chosen.contains(letter) || (!mayBeOwn && own.contains(letter)) ||
            swapsAnAccent(letter, letters))
            return false;
        ++tiles[letter];
        if (std::any_of(others.cbegin(), others.cend(),
                        [&tiles](const QStringList &other) { return canSpell(tiles, other); })) {
            --tiles[letter];
            return false;
        }
        chosen << letter;
        return true;
    };

    struct Kind
    {
        QStringList choices;
        bool mayBeOwn;
        qsizetype next = 0;
    };
    std::array<Kind, 3> kinds = {
        {{doublings(letters), true}, {twins(letters), false}, {lookAlikes(letters), false}}};
    const auto takeNext = [&](Kind &kind) {
        while (kind.next < kind.choices.size()) {
            if (take(kind.choices[kind.next++], kind.mayBeOwn))
                return true;
        }
        return false;
    };
    int missing = 0;
    for (Kind &kind : kinds)
        missing += takeNext(kind) ? 0 : 1;
    for (Kind &kind : kinds) {
        while (missing > 0 && takeNext(kind))
            --missing;
    }
    for (const QChar common : kCommonLetters) {
        if (chosen.size() == 3)
            break;
        take(QString(common), false);
    }
    return chosen;
}

bool readsInOrder(const QStringList &tiles, const QStringList &word)
{
    if (word.isEmpty() || word.size() > tiles.size())
        return false;
    for (qsizetype start = 0; start + word.size() <= tiles.size(); ++start) {
        if (std::equal(word.begin(), word.end(), tiles.begin() + start, sameLetter))
            return true;
    }
    return false;
}

QStringList shuffledTiles(const QStringList &tiles, const QStringList &word, RandomSource &random)
{
    const bool oneLetter = std::all_of(tiles.begin(), tiles.end(), [&](const QString &tile) {
        return sameLetter(tile, tiles.front());
    });
    if (tiles.size() < 2 || oneLetter)
        return tiles;
    // A fresh draw of the whole order while it reads the word: with two different letters at
    // least, one draw in two at worst. Only a source that keeps drawing the same numbers gets past
    // the last: the tiles then turn round one place at a time until they no longer read the word.
    constexpr int kMostDraws = 64;
    QStringList shuffled = tiles;
    for (int draw = 0; draw < kMostDraws; ++draw) {
        shuffled = tiles;
        for (qsizetype i = shuffled.size() - 1; i > 0; --i)
            shuffled.swapItemsAt(i, drawBelow(random, int(i + 1)));
        if (!readsInOrder(shuffled, word))
            return shuffled;
    }
    for (qsizetype turn = 0; turn < shuffled.size() && readsInOrder(shuffled, word); ++turn)
        shuffled.move(0, shuffled.size() - 1);
    return shuffled;
}

QStringList tilesFor(const QString &word, Level level, const QStringList &listed,
                     RandomSource &random)
{
    const ComposeLevel rules = composeLevel(level);
    if (!rules.tiles)
        return {};
    QStringList letters = lettersOf(word);
    if (rules.firstLetterGiven && !letters.isEmpty())
        letters.removeFirst();
    QStringList tiles = letters;
    if (rules.temptingLetters > 0)
        tiles += temptingLetters(word, listed).mid(0, rules.temptingLetters);
    return shuffledTiles(tiles, letters, random);
}
