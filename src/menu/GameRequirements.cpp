#include "GameRequirements.h"

#include "app/WordListStore.h"
#include "memory/CardGrid.h"
#include "wordsearch/CruciPuzzleBoard.h"

namespace {

QString wordsInList(int count)
{
    if (count == 0)
        return QStringLiteral("la lista è vuota");
    if (count == 1)
        return QStringLiteral("la lista ha 1 parola");
    return QStringLiteral("la lista ha %1 parole").arg(count);
}

} // namespace

QString wordSearchRefusal(const WordListStore &words)
{
    const int count = words.WordCount();
    for (int index = 1; index <= count; ++index) {
        if (fitsOnBoard(words.WordList(index)))
            return {};
    }
    QString reason = QStringLiteral("Il Crucipuzzle ha bisogno di almeno una parola da 1 a 10 "
                                    "lettere: ") +
                     wordsInList(count);
    if (count == 1)
        reason += QStringLiteral(", più lunga di 10 lettere o vuota");
    else if (count > 1)
        reason += QStringLiteral(", tutte più lunghe di 10 lettere o vuote");
    return reason + QLatin1Char('.');
}

QString memoryRefusal(const WordListStore &words)
{
    const int count = words.WordCount();
    if (count >= kSlots)
        return {};
    return QStringLiteral("Il Memory ha bisogno di almeno %1 parole: %2.")
        .arg(kSlots)
        .arg(count == 0 ? wordsInList(0) : QStringLiteral("la lista ne ha solo %1").arg(count));
}
