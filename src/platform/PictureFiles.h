// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The picture file of `word`: `jpg/<word>.jpg` in the program folder. Where that exact name does
// not exist, a file of the same name in other letter case, ending in ".jpg" or ".jpeg", is taken
// (pictures copied from a computer whose file names ignore case). Empty when there is no file, and
// for a word that could lead outside the picture folder (a path separator, "..", a control
// character): a word list never makes the program read anything else.
QString pictureFileFor(const QString &programFolder, const QString &word);
