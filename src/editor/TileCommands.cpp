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

SetPictureCommand::SetPictureCommand(WordTilesModel &model, int row, const TilePicture &picture)
    : QUndoCommand(QStringLiteral("immagine di «%1»").arg(model.tile(row).word)), model_(model),
      row_(row), before_(model.tile(row).picture), after_(picture)
{}

void SetPictureCommand::redo()
{
    model_.setPicture(row_, after_);
}

void SetPictureCommand::undo()
{
    model_.setPicture(row_, before_);
}
