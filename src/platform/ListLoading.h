// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;
struct Services;

// Loads the list at `path` into the program, as the menu's "Carica altra lista di parole" and the
// editor's "Usa questa lista" both do: a list that cannot be read is refused with a message and
// the one in use stays; one that was cut is used all the same, and the teacher is told. True when
// the list is now in use.
bool loadListForTheGames(Services &services, QWidget *parent, const QString &path);

// What the teacher should mend in the list in use before playing, or empty: its words with no
// picture the games can find, and its lines that look like a title.
QString attentionForListInUse(const Services &services);
