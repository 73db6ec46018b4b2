#include "WordListStore.h"

#include "TextDecoding.h"
#include "WordListFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Reading starts small and doubles, so a huge file is read only as far as its 501st field.
constexpr qint64 kFirstRead = 64 * 1024;
constexpr qint64 kMostRead = 8 * 1024 * 1024;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

const QString kEmpty;

LoadResult failure(LoadStatus status)
{
    return LoadResult{status, false};
}

} // namespace

const QString &WordListStore::WordList(int index) const
{
    return (index >= 1 && index <= count_) ? words_[static_cast<std::size_t>(index)] : kEmpty;
}

LoadResult WordListStore::LoadWordList(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failure(LoadStatus::Missing);
    if (info.isDir())
        return failure(LoadStatus::IsFolder);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return failure(LoadStatus::Unreadable);

    QByteArray bytes;
    SplitFields split;
    bool hasByteOrderMark = false;
    for (qint64 chunk = kFirstRead;; chunk *= 2) {
        const QByteArray more = file.read(std::min(chunk, kMostRead + 1 - bytes.size()));
        if (more.isEmpty() && file.error() != QFileDevice::NoError)
            return failure(LoadStatus::Unreadable);
        bytes += more;
        if (bytes.contains('\0'))
            return failure(LoadStatus::NotText);
        std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        hasByteOrderMark = text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark;
        if (hasByteOrderMark)
            text.remove_prefix(kUtf8ByteOrderMark.size());
        // A read that brings nothing ends the file too, whatever the file system says.
        split = splitWordFields(text, more.isEmpty() || file.atEnd(), Capacity);
        if (!split.needMore)
            break;
        if (bytes.size() > kMostRead)
            return failure(LoadStatus::TooLarge);
    }

    bool utf8 = hasByteOrderMark;
    if (!utf8) {
        bool allValid = true;
        bool anyMultiByte = false;
        for (const std::string_view field : split.fields) {
            bool multiByte = false;
            allValid = allValid && isStrictUtf8(field, multiByte);
            anyMultiByte = anyMultiByte || multiByte;
        }
        utf8 = allValid && anyMultiByte;
    }

    std::array<QString, Capacity + 1> words;
    std::size_t slot = 1;
    for (const std::string_view field : split.fields) {
        words[slot++] = utf8 ? QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()))
                             : decodeWindows1252(field);
    }
    words_ = std::move(words);
    count_ = static_cast<qint16>(split.fields.size());
    folder_ = info.absolutePath();
    return LoadResult{LoadStatus::Loaded, split.cut};
}

QString loadReportText(const QString &path, const LoadResult &result)
{
    const QString name = QDir::toNativeSeparators(path);
    switch (result.status) {
    case LoadStatus::Loaded:
        if (!result.cut)
            return {};
        return QStringLiteral("La lista \"%1\" contiene più di %2 parole: "
                              "sono state caricate solo le prime %2.")
            .arg(name)
            .arg(WordListStore::Capacity);
    case LoadStatus::Missing:
        return QStringLiteral("Non trovo la lista di parole \"%1\".").arg(name);
    case LoadStatus::IsFolder:
        return QStringLiteral("\"%1\" è una cartella, non una lista di parole.").arg(name);
    case LoadStatus::Unreadable:
        return QStringLiteral("Non riesco a leggere la lista di parole \"%1\".").arg(name);
    case LoadStatus::NotText:
        return QStringLiteral("Il file \"%1\" non è una lista di parole: non contiene testo.")
            .arg(name);
    case LoadStatus::TooLarge:
        return QStringLiteral("Il file \"%1\" è troppo grande per essere una lista di parole.")
            .arg(name);
    }
    return {};
}
