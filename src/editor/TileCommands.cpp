// SPDX-License-Identifier: GPL-3.0-or-later
#include "TileCommands.h"

#include "WordTilesModel.h"

AddWordCommand::AddWordCommand(WordTilesModel &model, int row, const WordTile &tile)
    : QUndoCommand(QStringLiteral("aggiungi «%1»").arg(tile.word)), model_(model), row_(row),
      tile_(tile)
{}

void AddWordCommand::redo()
{
    model_.insertTile(row_, tile_);
}

void AddWordCommand::undo()
{
    tile_ = model_.takeTile(row_);
}

RemoveWordCommand::RemoveWordCommand(WordTilesModel &model, int row)
    : QUndoCommand(QStringLiteral("elimina «%1»").arg(model.tile(row).word)), model_(model),
      row_(row)
{}

void RemoveWordCommand::redo()
{
    tile_ = model_.takeTile(row_);
}

void RemoveWordCommand::undo()
{
    model_.insertTile(row_, tile_);
}

RenameWordCommand::RenameWordCommand(WordTilesModel &model, int row, const QString &word)
    : QUndoCommand(QStringLiteral("rinomina «%1»").arg(model.tile(row).word)), model_(model),
      row_(row), before_(model.tile(row).word), after_(word)
{}

void RenameWordCommand::redo()
{
    model_.setWord(row_, after_);
}

void RenameWordCommand::undo()
{
    model_.setWord(row_, before_);
}

SetFileCommand::SetFileCommand(WordTilesModel &model, int row, WordTile::FileKind kind,
                               const TileFile &file)
    : QUndoCommand((kind == WordTile::FileKind::Picture ? QStringLiteral("immagine di «%1»")
                                                        : QStringLiteral("voce di «%1»"))
                       .arg(model.tile(row).word)),
      model_(model), row_(row), kind_(kind), before_(model.tile(row).file(kind)), after_(file)
{}

void SetFileCommand::redo()
{
    model_.setFile(row_, kind_, after_);
}

void SetFileCommand::undo()
{
    model_.setFile(row_, kind_, before_);
}
