// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListSummary.h"

#include "compose/ComposeRequirements.h"
#include "compose/ComposeWord.h"
#include "core/WordListStore.h"
#include "memory/CardGrid.h"
#include "memory/MemoryRequirements.h"
#include "wordsearch/WordSearchRequirements.h"

QString listSummary(const QStringList &words, int withoutPicture, int withoutVoice,
                    const ClassChoices &choices)
{
    WordListStore store;
    store.setWords(words, {});
    const int count = int(words.size());
    const QString wordSearch = wordSearchRefusal(store).isEmpty()
                                   ? QStringLiteral("sì")
                                   : QStringLiteral("no, serve una parola da 1 a 10 lettere");
    const Level memoryLevel = choices.level(Game::Memory);
    const QString memory =
        memoryRefusal(store, memoryLevel).isEmpty()
            ? QStringLiteral("sì")
            : QStringLiteral("no, servono %1 parole diverse").arg(deckShapeOf(memoryLevel).pairs());
    const Level composeLevelChosen = choices.level(Game::Compose);
    const QString compose = composeRefusal(store, composeLevelChosen).isEmpty()
                                ? QStringLiteral("sì")
                                : QStringLiteral("no, servono %1 parole da %2 a %3 lettere")
                                      .arg(kFewestRoundWords)
                                      .arg(kFewestLetters)
                                      .arg(composeLevel(composeLevelChosen).mostLetters);
    return QStringLiteral("%1 · %2 senza immagine · %3 senza voce · Crucipuzzle: %4 · Memory: %5 · "
                          "Componi: %6")
        .arg(count == 1 ? QStringLiteral("1 parola") : QStringLiteral("%1 parole").arg(count))
        .arg(withoutPicture)
        .arg(withoutVoice)
        .arg(wordSearch, memory, compose);
}
