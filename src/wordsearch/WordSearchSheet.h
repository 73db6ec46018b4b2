// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CruciPuzzleBoard.h"
#include "core/ClassChoices.h"
#include "worksheets/PaperPictures.h"
#include "worksheets/Worksheet.h"

#include <QFont>

// The word search on paper. Page 1, for the pupil: the grid, the directions the words run in, and
// each word's picture over a row of boxes, one per letter, to write it in once found; the words
// themselves are not on it. Page 2, "Soluzioni": the words ringed in the grid and written under
// their pictures.
class WordSearchSheet final : public Worksheet
{
public:
    // `letters` is the font of the letter form, `arrows` those of the level's directions;
    // `pictureFiles` follow the board's laid words.
    WordSearchSheet(const CruciPuzzleBoard &board, LetterForm form, const QFont &letters,
                    const QStringList &arrows, const QStringList &pictureFiles);

    QString name() const override { return QStringLiteral("Crucipuzzle"); }
    int pageCount() const override { return 2; }
    void paintPage(int page, QPainter &painter, const PaperPage &paper) const override;

private:
    struct Layout
    {
        QRectF grid;
        QRectF directions;
        QRectF clues;
    };
    Layout layOut(const PaperPage &paper) const;
    void paintGrid(QPainter &painter, const PaperPage &paper, const QRectF &grid,
                   bool solved) const;
    void paintWordBands(QPainter &painter, const PaperPage &paper, const QRectF &grid) const;
    void paintClues(QPainter &painter, const PaperPage &paper, const QRectF &area,
                    bool solved) const;

    CruciPuzzleBoard board_;
    LetterForm form_;
    QFont letters_;
    QStringList arrows_;
    mutable PaperPictures pictures_;
};
