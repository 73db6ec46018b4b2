// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"

#include <QString>
#include <QStringList>

// The line under the tiles: how many words, how many lack a picture or the teacher's voice, and
// whether each game can play the list at the level the class chose, by the games' own rules.
// "14 parole · 2 senza immagine · 14 senza voce · Crucipuzzle: sì · Memory: no, servono 12 parole
// diverse · Componi: sì"
QString listSummary(const QStringList &words, int withoutPicture, int withoutVoice,
                    const ClassChoices &choices);
