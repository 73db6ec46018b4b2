// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where a word's picture comes from until the list is saved.
struct TilePicture
{
    enum class Source
    {
        None,
        File,    // a picture file of the teacher's, or one pasted, read again on saving
        Program, // one of the program's own pictures, copied beside the list on saving
    };

    Source source = Source::None;
    QString path;

    bool isSet() const { return source != Source::None; }
};

// One word of the list being made, with its picture.
struct WordTile
{
    QString word;
    TilePicture picture;
};
