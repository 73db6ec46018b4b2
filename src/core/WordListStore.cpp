// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordListStore.h"

#include "TextDecoding.h"
#include "WordListFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace {

// Reading starts small and doubles, so a huge file is read only as far as its 501st field.
constexpr qint64 kFirstRead = 64 * 1024;
constexpr qint64 kMostRead = 8 * 1024 * 1024;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr qsizetype kUtf16ByteOrderMarkSize = 2;

const QString kEmpty;

LoadResult failure(LoadStatus status)
{
    return LoadResult{status, false};
}

// Notepad's "Unicode" is UTF-16 with a byte order mark.
std::optional<QStringConverter::Encoding> utf16Encoding(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// The whole code units read so far, as UTF-8: the fields are split on ASCII separators either way.
QByteArray utf16AsUtf8(const QByteArray &bytes, QStringConverter::Encoding encoding)
{
    const qsizetype whole = (bytes.size() - kUtf16ByteOrderMarkSize) & ~qsizetype(1);
    QStringDecoder decode(encoding, QStringConverter::Flag::Stateless);
    return QString(decode(QByteArrayView(bytes).sliced(kUtf16ByteOrderMarkSize, whole))).toUtf8();
}

// Each word once, as a game draws them: spellings that differ only in letter case or in how their
// accents are encoded are one word; blank entries are none.
QStringList distinctWordsOf(const std::array<QString, WordListStore::kCapacity + 1> &words,
                            int count)
{
    QStringList distinct;
    QSet<QString> seen;
    for (int i = 1; i <= count; ++i) {
        const QString &word = words[std::size_t(i)];
        if (word.trimmed().isEmpty())
            continue;
        const QString key = word.normalized(QString::NormalizationForm_C).toCaseFolded();
        if (!seen.contains(key)) {
            seen.insert(key);
            distinct << word;
        }
    }
    return distinct;
}

} // namespace

const QString &WordListStore::wordList(int index) const
{
    return (index >= 1 && index <= count_) ? words_[static_cast<std::size_t>(index)] : kEmpty;
}

LoadResult WordListStore::loadWordList(const QString &path)
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
    QByteArray converted; // a UTF-16 list's text, which the fields point into
    SplitFields split;
    bool knownUtf8 = false; // by a byte order mark, or converted from UTF-16
    for (qint64 chunk = kFirstRead;; chunk *= 2) {
        const QByteArray more = file.read(std::min(chunk, kMostRead + 1 - bytes.size()));
        if (more.isEmpty() && file.error() != QFileDevice::NoError)
            return failure(LoadStatus::Unreadable);
        bytes += more;
        const std::optional<QStringConverter::Encoding> utf16 = utf16Encoding(bytes);
        if (utf16)
            converted = utf16AsUtf8(bytes, *utf16);
        const QByteArray &readable = utf16 ? converted : bytes;
        if (readable.contains('\0'))
            return failure(LoadStatus::NotText);
        std::string_view text(readable.constData(), static_cast<std::size_t>(readable.size()));
        const bool utf8Mark = !utf16 && text.starts_with(kUtf8ByteOrderMark);
        if (utf8Mark)
            text.remove_prefix(kUtf8ByteOrderMark.size());
        knownUtf8 = utf16 || utf8Mark;
        // A read that brings nothing ends the file too, whatever the file system says.
        split = splitWordFields(text, more.isEmpty() || file.atEnd(), kCapacity);
        if (!split.needMore)
            break;
        if (bytes.size() > kMostRead)
            return failure(LoadStatus::TooLarge);
    }

    bool utf8 = knownUtf8;
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

    std::array<QString, kCapacity + 1> words;
    std::size_t slot = 1;
    for (const std::string_view field : split.fields) {
        words[slot++] = utf8 ? QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()))
                             : decodeWindows1252(field);
    }
    words_ = std::move(words);
    count_ = static_cast<qint16>(split.fields.size());
    distinctWords_ = distinctWordsOf(words_, count_);
    folder_ = info.absolutePath();
    return LoadResult{LoadStatus::Loaded, split.cut};
}

void WordListStore::setWords(const QStringList &words, const QString &folder)
{
    std::array<QString, kCapacity + 1> filled;
    const qsizetype count = std::min<qsizetype>(words.size(), kCapacity);
    for (qsizetype i = 0; i < count; ++i)
        filled[std::size_t(i + 1)] = words[i];
    words_ = std::move(filled);
    count_ = static_cast<qint16>(count);
    distinctWords_ = distinctWordsOf(words_, count_);
    folder_ = folder;
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
            .arg(WordListStore::kCapacity);
    case LoadStatus::Missing:
        return QStringLiteral("Non trovo la lista di parole \"%1\".").arg(name);
    case LoadStatus::IsFolder:
        return QStringLiteral("\"%1\" è una cartella, non una lista di parole.").arg(name);
    case LoadStatus::Unreadable:
        return QStringLiteral("Non riesco a leggere la lista di parole \"%1\".").arg(name);
    case LoadStatus::NotText:
        return QStringLiteral("Il file \"%1\" non è una lista di parole: non contiene testo.\n"
                              "Se è una lista, salvala come \"Testo\" (UTF-8) e riprova.")
            .arg(name);
    case LoadStatus::TooLarge:
        return QStringLiteral("Il file \"%1\" è troppo grande per essere una lista di parole.")
            .arg(name);
    }
    return {};
}
