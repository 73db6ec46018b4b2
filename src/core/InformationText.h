// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The text of the information box: six lines, who wrote the program and where to find them, and
// which pupils drew the pictures.
QString informationText();
