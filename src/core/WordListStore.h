// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

// Why a load did not change the store, or that it did.
enum class LoadStatus
{
    Loaded,
    Missing,
    IsFolder,
    Unreadable, // no permission, or not a regular file
    NotText,    // holds a NUL byte, and is not UTF-16
    TooLarge,   // megabytes without reaching the 500th field: no word list
};

struct LoadResult
{
    LoadStatus status = LoadStatus::Loaded;
    bool cut = false; // more than WordListStore::kCapacity fields: only the first ones were kept

    bool loaded() const { return status == LoadStatus::Loaded; }
};

// The one word list of the program: words in slots 1 to wordCount(), slot 0 never used.
class WordListStore
{
public:
    static constexpr int kCapacity = 500;

    qint16 wordCount() const { return count_; }
    // Slots outside 1..wordCount() read as empty.
    const QString &wordList(int index) const;

    // The words the games draw from: each word of the list once, in the list's order, blank
    // entries left out. Two spellings differing only in letter case, or in how an accent is
    // encoded, are one word.
    const QStringList &distinctWords() const { return distinctWords_; }

    // The folder of the list last loaded: its pictures may lie beside it. Empty before any load.
    const QString &listFolder() const { return folder_; }

    // Reads the list at `path` into a fresh list and replaces the store with it whole, so a failed
    // load leaves the previous list in place. UTF-8, Windows-1252 and, with its byte order mark,
    // UTF-16.
    LoadResult loadWordList(const QString &path);

    // Replaces the store with `words`, as a list in `folder` would fill it: how the list editor
    // asks the games' own rules about a list not yet saved.
    void setWords(const QStringList &words, const QString &folder);

private:
    std::array<QString, kCapacity + 1> words_;
    qint16 count_ = 0;
    QStringList distinctWords_;
    QString folder_;
};

// The Italian message a teacher reads about a load: why it failed, or that the list was cut.
// Empty when there is nothing to say.
QString loadReportText(const QString &path, const LoadResult &result);
