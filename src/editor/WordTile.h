// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where a word's picture or recording comes from until the list is saved.
struct TileFile
{
    enum class Source
    {
        None,
        File,    // a file of the teacher's, or one brought in this session, read again on saving
        Program, // one of the program's own, copied beside the list on saving
    };

    Source source = Source::None;
    QString path;

    bool isSet() const { return source != Source::None; }
};

// One word of the list being made, with its picture and the teacher's recording of it.
struct WordTile
{
    enum class FileKind
    {
        Picture,
        Recording,
    };

    QString word;
    TileFile picture;
    TileFile recording;

    TileFile &file(FileKind kind) { return kind == FileKind::Picture ? picture : recording; }
    const TileFile &file(FileKind kind) const
    {
        return kind == FileKind::Picture ? picture : recording;
    }
};
