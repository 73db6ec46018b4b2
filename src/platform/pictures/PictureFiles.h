// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the pictures of the words are looked for: the `jpg` folder beside the word list in use,
// then the program's own. For the program's own list both are the same folder.
struct PictureFolders
{
    QString listFolder; // empty when no list has been loaded
    QString programFolder;
};

// The picture file of `word`: `jpg/<word>.jpg` in the list's folder, else in the program's.
// Names are matched ignoring letter case, the way accents are encoded (a file copied from a Mac
// spells "è" as "e" and a combining accent) and the kind of apostrophe (' or ’). A ".jpg" or
// ".jpeg" file comes first; where there is none, a ".png" file is taken. Empty when there is no
// file, and for a word that could lead outside the picture folders (a path separator, "..", a
// control character): a word list never makes the program read anything else.
QString pictureFileFor(const PictureFolders &folders, const QString &word);
