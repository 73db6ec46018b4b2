// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryRequirements.h"

#include "CardGrid.h"
#include "core/ListSizeText.h"
#include "core/WordListStore.h"

QString memoryRefusal(const WordListStore &words, Level level)
{
    const int pairs = deckShapeOf(level).pairs();
    const int different = int(words.distinctWords().size());
    if (different >= pairs)
        return {};
    const int count = words.wordCount();
    if (count == 0)
        return QStringLiteral("Il Memory ha bisogno di almeno %1 parole: %2.")
            .arg(pairs)
            .arg(listSizeText(0));
    if (different == count)
        return QStringLiteral("Il Memory ha bisogno di almeno %1 parole: la lista ne ha solo %2.")
            .arg(pairs)
            .arg(count);
    // Blank lines and repeated words count as lines of the list, not as words to match.
    return QStringLiteral("Il Memory ha bisogno di almeno %1 parole diverse: la lista ha %2, ma "
                          "%3.")
        .arg(pairs)
        .arg(count == 1 ? QStringLiteral("1 riga") : QStringLiteral("%1 righe").arg(count))
        .arg(different == 0   ? QStringLiteral("nessuna parola")
             : different == 1 ? QStringLiteral("solo 1 parola diversa")
                              : QStringLiteral("solo %1 parole diverse").arg(different));
}
