// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QString>

// The mouse cursor stored in a .cur file (a resource of the program), with its hot spot. Qt reads
// the picture but not the hot spot, which the file holds as two little-endian 16-bit numbers at
// bytes 10 to 13. A file that cannot be read gives the ordinary arrow.
QCursor storedCursor(const QString &path);
