// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordChecks.h"

namespace {

// They cannot stand in a file name on Windows, and every word is a picture's file name.
constexpr QStringView kForbidden = u"/\\:*?\"<>|";

constexpr qsizetype kTitleWords = 3;
constexpr qsizetype kTitleLength = 30;
constexpr qsizetype kNamedWords = 10;

QString namedList(const QStringList &words)
{
    QStringList named;
    for (const QString &word : words.first(std::min(words.size(), kNamedWords)))
        named << QStringLiteral("«%1»").arg(word);
    QString text = named.join(QStringLiteral(", "));
    if (words.size() > kNamedWords)
        text += QStringLiteral(" … e altre %1").arg(words.size() - kNamedWords);
    return text;
}

} // namespace

QString wordKey(const QString &word)
{
    return word.normalized(QString::NormalizationForm_C).toCaseFolded();
}

QString newWordRefusal(const QString &word, const QStringList &others)
{
    if (word.isEmpty())
        return QStringLiteral("Scrivi una parola prima di premere Invio.");
    for (const QChar c : word) {
        if (kForbidden.contains(c))
            return QStringLiteral("«%1»: una parola non può contenere il carattere %2")
                .arg(word, c);
    }
    const QString key = wordKey(word);
    for (const QString &other : others) {
        if (wordKey(other) == key)
            return QStringLiteral("«%1» c'è già").arg(other);
    }
    return {};
}

bool looksLikeTitle(const QString &word)
{
    const QString trimmed = word.trimmed();
    return trimmed.size() > kTitleLength ||
           trimmed.split(u' ', Qt::SkipEmptyParts).size() > kTitleWords;
}

QString listAttentionText(const QStringList &withoutPicture, const QStringList &titles)
{
    QStringList parts;
    if (!withoutPicture.isEmpty())
        parts << (withoutPicture.size() == 1 ? QStringLiteral("Questa parola non ha un'immagine: ")
                                             : QStringLiteral("Queste %1 parole non hanno "
                                                              "un'immagine: ")
                                                   .arg(withoutPicture.size())) +
                     namedList(withoutPicture) + QLatin1Char('.');
    if (!titles.isEmpty())
        parts << (titles.size() == 1
                      ? QStringLiteral("Questa riga sembra un titolo, non una parola: ")
                      : QStringLiteral("Queste righe sembrano titoli, non parole: ")) +
                     namedList(titles) + QLatin1Char('.');
    return parts.join(QStringLiteral("\n\n"));
}
