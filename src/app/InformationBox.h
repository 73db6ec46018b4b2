#pragma once

#include <QString>

class Dialogs;
class QWidget;

// The text of the information box: six lines, who wrote the program and where to find them, and
// which pupils drew the pictures.
QString informationText();

// Shows the information box, with OK and the information icon.
void MostraInformazioni(Dialogs &dialogs, QWidget *parent);
