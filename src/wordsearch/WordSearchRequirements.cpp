// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordSearchRequirements.h"

#include "CruciPuzzleBoard.h"
#include "core/ListSizeText.h"
#include "core/WordListStore.h"

#include <algorithm>

QString wordSearchRefusal(const WordListStore &words)
{
    const QStringList &drawn = words.distinctWords();
    if (std::any_of(drawn.cbegin(), drawn.cend(), fitsOnBoard))
        return {};
    const int count = words.wordCount();
    QString reason = QStringLiteral("Il Crucipuzzle ha bisogno di almeno una parola da 1 a 10 "
                                    "lettere: ") +
                     listSizeText(count);
    if (count == 1)
        reason += QStringLiteral(", più lunga di 10 lettere o vuota");
    else if (count > 1)
        reason += QStringLiteral(", tutte più lunghe di 10 lettere o vuote");
    return reason + QLatin1Char('.');
}
