// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryRequirements.h"

#include "CardGrid.h"
#include "core/ListSizeText.h"
#include "core/WordListStore.h"

QString memoryRefusal(const WordListStore &words)
{
    const int count = words.wordCount();
    if (count >= kSlots)
        return {};
    return QStringLiteral("Il Memory ha bisogno di almeno %1 parole: %2.")
        .arg(kSlots)
        .arg(count == 0 ? listSizeText(0) : QStringLiteral("la lista ne ha solo %1").arg(count));
}
