// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"
#include "worksheets/PaperPictures.h"
#include "worksheets/Worksheet.h"

#include <QFont>

// The memory cards to cut out: twelve to a page, 3 × 4 (4 × 3 on landscape paper), about 60 mm
// square, dashed cut lines with scissors at their start; the picture cards first, then the word
// cards in the deal's letter form. With backs, each page of cards is followed by a "Retro" page of
// card backs, for printing on both sides.
class MemorySheet final : public Worksheet
{
public:
    static constexpr int kCardsPerPage = 12;

    // The deal's words with their pictures' files, in the same order.
    MemorySheet(const QStringList &words, const QStringList &pictureFiles, LetterForm form,
                const QFont &letters, bool backs);

    QString name() const override { return QStringLiteral("Memory"); }
    int pageCount() const override;
    void paintPage(int page, QPainter &painter, const PaperPage &paper) const override;

private:
    void paintCard(QPainter &painter, const PaperPage &paper, int card, const QRectF &box) const;
    static void paintBack(QPainter &painter, const PaperPage &paper, const QRectF &box);
    static void paintCutLines(QPainter &painter, const PaperPage &paper, const QRectF &grid,
                              int rows, int columns);

    QStringList words_;
    LetterForm form_;
    QFont letters_;
    bool backs_;
    mutable PaperPictures pictures_;
};
