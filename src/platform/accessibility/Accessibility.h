// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QWidget;

// Makes the program's own controls readable by screen readers: labels as text, picture boxes as
// images named by their word, buttons, the letter and card grids as tables. Call once, after the
// application object exists.
void installAccessibility();

// Tells screen readers that a control's painted text changed.
void notifyTextChanged(QObject *control, const QString &before, const QString &after);

// A control a screen reader should not list on its own: one that something else speaks for.
void hideFromReaders(QWidget *control);
bool isHiddenFromReaders(const QWidget *control);
