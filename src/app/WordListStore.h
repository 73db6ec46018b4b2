#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// Why a load did not change the store, or that it did.
enum class LoadStatus
{
    Loaded,
    Missing,
    IsFolder,
    Unreadable, // no permission, or not a regular file
    NotText,    // holds a NUL byte
    TooLarge,   // megabytes without reaching the 500th field: no word list
};

struct LoadResult
{
    LoadStatus status = LoadStatus::Loaded;
    bool cut = false; // more than WordListStore::Capacity fields: only the first ones were kept

    bool loaded() const { return status == LoadStatus::Loaded; }
};

// The one word list of the program: words in slots 1 to WordCount(), slot 0 never used.
class WordListStore
{
public:
    static constexpr int Capacity = 500;

    qint16 WordCount() const { return count_; }
    // Slots outside 1..WordCount() read as empty.
    const QString &WordList(int index) const;

    // Reads the list at `path` into a fresh list and replaces the store with it whole, so a failed
    // load leaves the previous list in place.
    LoadResult LoadWordList(const QString &path);

    // The folder of the list last loaded: its pictures may lie beside it. Empty before any load.
    const QString &listFolder() const { return folder_; }

private:
    std::array<QString, Capacity + 1> words_;
    qint16 count_ = 0;
    QString folder_;
};

// The Italian message a teacher reads about a load: why it failed, or that the list was cut.
// Empty when there is nothing to say.
QString loadReportText(const QString &path, const LoadResult &result);
