// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Two spellings a teacher would call one word: the same after Unicode NFC, whatever the case.
QString wordKey(const QString &word);

// Why `word`, already trimmed, cannot join `others` in a list: empty, a repeat, or holding a
// character no picture's file name may hold on Windows. Empty when it can.
QString newWordRefusal(const QString &word, const QStringList &others);

// A line of a list that reads as a heading rather than a word for a card.
bool looksLikeTitle(const QString &word);

// What a teacher should know about a list just loaded: its words with no picture and its lines
// that look like a title. Empty when there is nothing to mend.
QString listAttentionText(const QStringList &withoutPicture, const QStringList &titles);
