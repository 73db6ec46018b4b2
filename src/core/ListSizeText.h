// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How many words a list holds, as a game's refusal tells the teacher: "la lista è vuota",
// "la lista ha 1 parola", "la lista ha 7 parole".
QString listSizeText(int count);
