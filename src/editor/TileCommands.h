// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTile.h"

#include <QUndoCommand>

class WordTilesModel;

// The changes a teacher makes to a list, each undone and redone on the model alone.

class AddWordCommand : public QUndoCommand
{
public:
    AddWordCommand(WordTilesModel &model, int row, const WordTile &tile);
    void redo() override;
    void undo() override;

private:
    WordTilesModel &model_;
    int row_;
    WordTile tile_;
};

class RemoveWordCommand : public QUndoCommand
{
public:
    RemoveWordCommand(WordTilesModel &model, int row);
    void redo() override;
    void undo() override;

private:
    WordTilesModel &model_;
    int row_;
    WordTile tile_;
};

class RenameWordCommand : public QUndoCommand
{
public:
    RenameWordCommand(WordTilesModel &model, int row, const QString &word);
    void redo() override;
    void undo() override;

private:
    WordTilesModel &model_;
    int row_;
    QString before_;
    QString after_;
};

// A word's picture or recording given, replaced or taken away.
class SetFileCommand : public QUndoCommand
{
public:
    SetFileCommand(WordTilesModel &model, int row, WordTile::FileKind kind, const TileFile &file);
    void redo() override;
    void undo() override;

private:
    WordTilesModel &model_;
    int row_;
    WordTile::FileKind kind_;
    TileFile before_;
    TileFile after_;
};
