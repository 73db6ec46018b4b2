// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"
#include "worksheets/PaperPictures.h"
#include "worksheets/Worksheet.h"

#include <QFont>
#include <vector>

// "Componi la parola" on paper. Page 1, for the pupil: each word of the round as its picture, its
// letters scrambled on little tiles, and a row of boxes, one per letter, with the word's spaces
// and apostrophes in place, to write it in; the words themselves are not on it. Page 2,
// "Soluzioni": the pictures with their words.
class ComposeSheet final : public Worksheet
{
public:
    struct Word
    {
        QString word;
        QStringList scrambled; // its letters, in the order the tiles show them
        QString pictureFile;
    };

    // `letters` is the font of the letter form.
    ComposeSheet(std::vector<Word> words, LetterForm form, const QFont &letters);

    QString name() const override { return QStringLiteral("Componi la parola"); }
    int pageCount() const override { return 2; }
    void paintPage(int page, QPainter &painter, const PaperPage &paper) const override;

private:
    void paintWord(QPainter &painter, const PaperPage &paper, int index, const QRectF &cell,
                   bool solved) const;
    void paintTiles(QPainter &painter, const PaperPage &paper, const QStringList &letters,
                    const QRectF &row) const;
    void paintBoxes(QPainter &painter, const PaperPage &paper, const QString &word,
                    const QRectF &row) const;

    std::vector<Word> words_;
    LetterForm form_;
    QFont letters_;
    mutable PaperPictures pictures_;
};
