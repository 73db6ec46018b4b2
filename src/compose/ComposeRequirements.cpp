// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComposeRequirements.h"

#include "ComposeWord.h"
#include "core/ListSizeText.h"
#include "core/WordListStore.h"

QString composeRefusal(const WordListStore &words, Level level)
{
    const qsizetype fitting = wordsFitting(words.distinctWords(), level).size();
    if (fitting >= kFewestRoundWords)
        return {};
    const QString needed =
        QStringLiteral("Componi la parola ha bisogno di almeno %1 parole da %2 a "
                       "%3 lettere: ")
            .arg(kFewestRoundWords)
            .arg(kFewestLetters)
            .arg(composeLevel(level).mostLetters);
    if (words.wordCount() == 0)
        return needed + listSizeText(0) + QLatin1Char('.');
    if (fitting == 0)
        return needed + QStringLiteral("la lista non ne ha nessuna.");
    return needed + QStringLiteral("la lista ne ha solo %1.").arg(fitting);
}
